#include "shell/document_host.h"

#include <commctrl.h>

#include "documents/document_files.h"
#include "documents/document_state.h"
#include "editor/small_dialog_rules.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "platform/document_windows.h"
#include "platform/file_dialogs.h"
#include "platform/program_instance.h"
#include "resources/resource.h"
#include "shell/code_view.h"
#include "shell/command_dispatch.h"
#include "shell/dialogs/dialogs.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/window_helpers.h"

namespace tessary {

void MenuTreeLoader::clearTree() {
    tree_.clearTree();
    if (history_) {
        history_->clear();
    }
}

LoadResult MenuTreeLoader::loadText(std::string_view text, MenuKind kind, bool fromEditor) {
    const LoadResult result = LoadCodeIntoTree(tree_, text, kind, fromEditor);
    if (history_) {
        history_->clear();
    }
    return result;
}

void MenuTreeLoader::collapseAll() {
    tree_.collapseAll();
}

ShellDocumentHost::ShellDocumentHost(MainWindow& window)
    : window_(window), loader_(window.tree(), &window.history()) {}

LoadResult ShellDocumentHost::trialLoad(std::string_view text, MenuKind kind) {
    MenuTree scratch;
    return LoadCodeIntoTree(scratch, text, kind, true);
}

bool ShellDocumentHost::generateCode(MenuKind kind, std::string& text) {
    return generateDocumentCode(window_.tree(), kind, text);
}

std::string ShellDocumentHost::codeText() {
    return windowText(window_.controls().codeEdit);
}

void ShellDocumentHost::setCodeText(std::string_view text) {
    HWND edit = window_.controls().codeEdit;
    if (!edit) {
        return;
    }
    // Entering the "Menu Code" tab always writes the code afresh from the tree,
    // so while the tree is shown the hidden edit need not hold the document:
    // putting half a megabyte into an edit control takes seconds.
    if (!codeTabShown()) {
        text = {};
    }
    // Text set by a command is no change of the user's, whatever the edit
    // control reports while it takes it.
    DocumentState& state = window_.document();
    const bool modified = state.modified;
    SetWindowTextA(edit, std::string(text).c_str());
    state.setModified(modified);
}

bool ShellDocumentHost::codeTabShown() {
    return window_.currentTab() == EditorTab::MenuCode;
}

void ShellDocumentHost::reapplyCurrentTab() {
    if (window_.controls().tabControl) {
        applyCurrentTab(window_);
    }
}

void ShellDocumentHost::applyTabEnabling() {
    applyCommandEnabling(window_);
}

void ShellDocumentHost::showCodeTab() {
    showCodeTabAsItStands(window_);
}

void ShellDocumentHost::selectCodeLine(int line) {
    tessary::selectCodeLine(window_, line);
}

std::optional<MenuKind> ShellDocumentHost::chooseNewMenuKind() {
    NewMenuFields fields{window_.document().menuKind};
    if (!runNewMenuDialog(window_.hwnd(), fields)) {
        return std::nullopt;
    }
    return fields.kind;
}

bool ShellDocumentHost::chooseFile(const FileDialogRequest& request, std::string& path) {
    return runFileDialog(window_.hwnd(), request, path);
}

void ShellDocumentHost::report(DocumentMessage message, std::string_view path, std::string_view reason) {
    const std::string file(path);
    std::string text;
    switch (message) {
        case DocumentMessage::ParseError:
            text = loadString(IDS_PARSE_ERROR);
            break;
        case DocumentMessage::RecentFileMissing:
            text = formatString(IDS_RECENT_MISSING, file);
            break;
        case DocumentMessage::FileTooLarge:
            text = formatString(IDS_FILE_TOO_LARGE, file);
            break;
        case DocumentMessage::OpenFailed:
            text = formatString(IDS_OPEN_FAILED, file, std::string(reason));
            break;
        case DocumentMessage::SaveFailed:
            text = formatString(IDS_SAVE_FAILED, file, std::string(reason));
            break;
        case DocumentMessage::CodeNotWritable:
            text = loadString(IDS_CODE_NOT_WRITABLE);
            break;
    }
    showMessage(window_.hwnd(), text.c_str(), MB_OK | MB_ICONERROR);
}

SaveAnswer ShellDocumentHost::askSaveChanges(std::string_view documentName) {
    const std::string name(documentName);
    switch (
        showStringMessageText(window_.hwnd(), IDS_SAVE_CHANGES, name.c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES:
            return SaveAnswer::Yes;
        case IDNO:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
    }
}

void ShellDocumentHost::reportSyntaxError(int line) {
    showSyntaxError(window_, line);
}

bool ShellDocumentHost::askSaveWithSyntaxError(int line) {
    return showSyntaxError(window_, line, true) == IDYES;
}

void ShellDocumentHost::quit() {
    PostQuitMessage(0);
}

void ShellDocumentHost::launchInstance(const LaunchRequest& request) {
    window_.program().launchCopy(request);
}

DocumentHolder ShellDocumentHost::showWindowHolding(const std::string& path) {
    if (samePath(window_.document().fullPath(), path)) {
        return DocumentHolder::ThisWindow;
    }
    HWND other = findMainWindowHolding(path, window_.hwnd());
    if (!other) {
        return DocumentHolder::None;
    }
    bringMainWindowForward(other);
    return DocumentHolder::OtherWindow;
}

void ShellDocumentHost::broadcastRecentChanged() {
    broadcastRecentListChanged();
}

// The saved text is the tree's, unless it was typed in the "Menu Code" tab and
// the tree does not write it: then the state saved is the one that reading it
// will make (code_view.cpp).
void ShellDocumentHost::documentSaved() {
    std::string code;
    if (codeTabShown() && !(generateCode(window_.document().menuKind, code) && code == codeText())) {
        window_.history().forgetSaved();
    } else {
        window_.history().markSaved();
    }
}

void ShellDocumentHost::postOpenNamed() {
    PostMessageA(window_.hwnd(), WM_COMMAND, MAKEWPARAM(ID_FILE_OPEN_NAMED, 0), 0);
}

}  // namespace tessary
