#include "documents/document_session.h"

#include "documents/command_line.h"
#include "documents/document_kind.h"
#include "documents/document_title.h"
#include "documents/recent_files.h"
#include "documents/standard_files.h"

namespace tessary {

namespace {

constexpr const char* kUnnamedDocument = "untitled";

FileDialogRequest saveRequest(const std::string& folder, const std::string& name, bool asTemplate, MenuKind kind) {
    FileDialogRequest request;
    request.save = true;
    request.title = "Save file as...";
    request.initialFolder = folder;
    request.initialFile = folder + name;
    if (asTemplate) {
        request.filter = kTemplateFilter;
        request.defaultExtension = "qxtf";
    } else if (kind == MenuKind::MainMenu) {
        request.filter = kMenuBarFilter;
        request.defaultExtension = "tsmb";
    } else {
        request.filter = kContextMenuFilter;
        request.defaultExtension = "tsmn";
    }
    return request;
}

}  // namespace

std::string templateNameFor(std::string_view documentName) {
    if (documentName.empty()) {
        return {};
    }
    size_t dot = documentName.rfind('.');
    std::string name(documentName.substr(0, dot));
    return name + ".qxtf";
}

void DocumentSession::newDocument(std::optional<MenuKind> kind) {
    if (!kind) {
        kind = host_.chooseNewMenuKind();
        if (!kind) {
            return;
        }
    }
    if (state_.modified) {
        host_.launchInstance(LaunchRequest::newMenu(*kind));
        return;
    }
    host_.documentTree().clearTree();
    host_.setCodeText({});
    // The kind comes before the tab: re-applying the "Menu Code" tab writes
    // the empty tree's code for it.
    takeMenuKind(*kind);
    host_.reapplyCurrentTab();
    state_.setModified(false);
    state_.documentName = kUntitledName;
    state_.updateTitle();
}

void DocumentSession::newFromTemplate() {
    FileDialogRequest request;
    request.title = "Pick template...";
    request.filter = kTemplateFilter;
    request.initialFolder = templateFolder(files_.programFolder(), true);
    std::string path;
    if (!host_.chooseFile(request, path)) {
        return;
    }
    if (state_.modified) {
        host_.launchInstance(LaunchRequest::openPath(path));
        return;
    }
    std::string bytes;
    if (!readDocument(path, bytes)) {
        state_.updateTitle();
        return;
    }
    const std::string_view text = documentText(bytes);
    TreeLoader& tree = host_.documentTree();
    tree.clearTree();
    host_.setCodeText(text);
    tree.loadText(text, MenuKind::MainMenu, true);
    takeMenuKind(MenuKind::MainMenu);
    state_.documentName = kUntitledName;
    state_.documentFolder.clear();
    state_.updateTitle();
}

void DocumentSession::requestOpenNamed(std::string_view folder, std::string_view name) {
    requestedFolder_ = folder;
    requestedName_ = name;
    host_.postOpenNamed();
}

void DocumentSession::openDocument(OpenCommand command) {
    std::string path;
    if (command == OpenCommand::RequestedPath) {
        if (!requestedFolder_.empty() && !requestedName_.empty()) {
            path = requestedFolder_ + requestedName_;
        }
        requestedFolder_.clear();
        requestedName_.clear();
    } else {
        FileDialogRequest request;
        request.title = "Open file...";
        request.filter = kOpenFilter;
        request.filterIndex = 4;
        request.initialFolder = state_.documentFolder;
        request.defaultExtension = "tsmb";
        if (!host_.chooseFile(request, path)) {
            return;
        }
    }
    if (path.empty()) {
        state_.updateTitle();
        return;
    }
    // One file, one editor: a second one's Save would write over the first
    // one's work. A file another window holds brings that window forward; the
    // file this window holds with unsaved changes stays as it is.
    switch (host_.showWindowHolding(path)) {
        case DocumentHolder::OtherWindow:
            return;
        case DocumentHolder::ThisWindow:
            if (state_.modified) {
                return;
            }
            break;  // read again: nothing is lost
        case DocumentHolder::None:
            break;
    }
    if (state_.modified) {
        host_.launchInstance(LaunchRequest::openPath(path));
        return;
    }
    std::string bytes;
    if (!readDocument(path, bytes)) {
        state_.updateTitle();
        return;
    }
    addRecentFile(path);
    // The kind comes from the content. The trials run on a throwaway tree, so
    // a file that is refused leaves the document in the window as it was.
    const std::string_view text = documentText(bytes);
    const DocumentReading reading =
        readDocumentKind(fileNameOf(path), [&](MenuKind kind) { return host_.trialLoad(text, kind); });
    TreeLoader& tree = host_.documentTree();
    if (reading.result.isAccepted()) {
        tree.clearTree();
        tree.loadText(text, reading.kind, true);
        takeMenuKind(reading.kind);
        state_.setPath(path);
        host_.setCodeText(text);
        state_.updateTitle();
        return;
    }
    // A file holding NUL bytes is no text; nor is one that names no line.
    const int line = reading.result.failingLine();
    if (text.size() != bytes.size() || line == 0) {
        host_.report(DocumentMessage::ParseError, path);
        return;
    }
    // Menu code with a syntax error (a file saved from the "Menu Code" tab,
    // say) is the user's own: it opens in that tab, as leaving the tab would
    // leave it, and the tree stays empty until the code reads.
    tree.clearTree();
    takeMenuKind(reading.kind);
    state_.setPath(path);
    host_.showCodeTab();
    host_.setCodeText(text);
    state_.updateTitle();
    host_.reportSyntaxError(line);
    host_.selectCodeLine(line);
}

bool DocumentSession::saveDocument(SaveCommand command) {
    const bool asTemplate = command == SaveCommand::SaveAsTemplate;
    std::string folder = state_.documentFolder;
    std::string name = state_.documentName;
    if (asTemplate) {
        folder = templateFolder(files_.programFolder(), true);
        name = templateNameFor(name);
    }

    std::string text;
    if (host_.codeTabShown()) {
        text = host_.codeText();
        // Typed code is saved as it stands, a syntax error too, once the user agreed.
        const int line = host_.trialLoad(text, state_.menuKind).failingLine();
        if (line != 0 && !host_.askSaveWithSyntaxError(line)) {
            host_.selectCodeLine(line);
            return false;
        }
    } else if (!host_.generateCode(state_.menuKind, text)) {
        // Never replace the file with an empty or partial text.
        host_.report(DocumentMessage::CodeNotWritable, state_.fullPath());
        return false;
    }

    if (command != SaveCommand::Save || folder.empty() || name.empty() || name == kUntitledName) {
        std::string chosen;
        if (!host_.chooseFile(saveRequest(folder, name, asTemplate, state_.menuKind), chosen)) {
            return false;
        }
        state_.setPath(chosen);
        folder = state_.documentFolder;
        name = state_.documentName;
    }

    std::string path = folder + name;
    std::string reason = files_.writeFile(path, text);
    if (!reason.empty()) {
        host_.report(DocumentMessage::SaveFailed, path, reason);
        state_.updateTitle();
        return false;
    }
    addRecentFile(path);
    host_.documentSaved();
    state_.setModified(false);
    state_.updateTitle();
    return true;
}

void DocumentSession::confirmExit() {
    if (state_.modified) {
        const std::string& name = state_.documentName;
        switch (host_.askSaveChanges(name.empty() ? kUnnamedDocument : name)) {
            case SaveAnswer::Cancel:
                return;
            case SaveAnswer::Yes:
                // Quitting after a save that did not happen would lose the changes.
                if (!saveDocument(SaveCommand::Save)) {
                    return;
                }
                break;
            case SaveAnswer::No:
                break;
        }
    }
    host_.quit();
}

void DocumentSession::openRecent(std::string_view path) {
    if (path.empty() || path.size() > kMaxPathLength) {
        return;
    }
    std::string file(path);
    if (files_.fileExists(file)) {
        requestOpenNamed(folderOf(file), fileNameOf(file));
        return;
    }
    host_.report(DocumentMessage::RecentFileMissing, file);
    removeRecentFile(settings_, file);
    host_.broadcastRecentChanged();
}

void DocumentSession::addRecentFile(std::string_view path) {
    tessary::addRecentFile(settings_, path);
    host_.broadcastRecentChanged();
}

void DocumentSession::applyCommandLine(std::string_view commandLine) {
    CommandLineAction action = parseCommandLine(commandLine);
    switch (action.kind) {
        case CommandLineAction::Kind::MenuKind:
            takeMenuKind(action.menuKind);
            if (action.menuKind != MenuKind::MainMenu) {
                host_.reapplyCurrentTab();
            }
            break;
        case CommandLineAction::Kind::OpenPath:
            requestOpenNamed(action.folder, action.name);
            break;
        case CommandLineAction::Kind::Nothing:
            break;
    }
    state_.updateTitle();
}

void DocumentSession::takeMenuKind(MenuKind kind) {
    state_.menuKind = kind;
    host_.applyTabEnabling();
}

bool DocumentSession::readDocument(const std::string& path, std::string& bytes) {
    std::string reason;
    switch (files_.readFile(path, kDocumentBufferSize, bytes, reason)) {
        case ReadStatus::Ok:
            return true;
        case ReadStatus::TooLarge:
            host_.report(DocumentMessage::FileTooLarge, path);
            return false;
        case ReadStatus::CannotOpen:
            // Missing (gone since it was listed), locked, a folder, a path too long...
            host_.report(DocumentMessage::OpenFailed, path, reason);
            return false;
    }
    return false;
}

}  // namespace tessary
