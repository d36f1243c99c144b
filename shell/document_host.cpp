#include "shell/document_host.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "documents/document_files.h"
#include "documents/document_session.h"
#include "documents/document_state.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "platform/file_dialogs.h"
#include "platform/program_instance.h"
#include "platform/registry_settings_store.h"
#include "platform/win32_document_files.h"
#include "resources/resource.h"
#include "shell/app_state.h"
#include "shell/message_box.h"

namespace tessary {

namespace {

int (*gNewMenuChooser)(HWND owner) = nullptr;
void (*gCommandEnabling)() = nullptr;

void launchThroughShell(int kind, std::string_view path) { tessary::launchInstance(kind, path); }
void (*gInstanceLauncher)(int kind, std::string_view path) = launchThroughShell;

std::string windowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// A string-table text with up to two "%s" filled in.
std::string formatString(UINT stringId, const std::string& first, const std::string& second = {}) {
    std::string format = loadString(stringId);
    std::vector<char> text(format.size() + first.size() + second.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), first.c_str(), second.c_str());
    return text.data();
}

class ShellDocumentHost : public DocumentHost {
public:
    TreeLoader& documentTree() override {
        loader_ = MenuTreeLoader(gApp.tree);
        return loader_;
    }

    LoadResult trialLoad(std::string_view text, MenuKind kind) override {
        MenuTree scratch;
        return LoadCodeIntoTree(scratch, text, kind, true);
    }

    bool generateCode(MenuKind kind, std::string& text) override {
        if (!gApp.tree) {
            return false;
        }
        std::vector<char> buffer(kDocumentBufferSize, '\0');
        if (!GenerateMenuCode(*gApp.tree, kind, buffer.data(), buffer.size(), false)) {
            return false;
        }
        text = buffer.data();
        return true;
    }

    std::string codeText() override { return gApp.codeEdit ? windowText(gApp.codeEdit) : std::string(); }

    void setCodeText(std::string_view text) override {
        // Entering the "Menu Code" tab always writes the code afresh from the
        // tree, so while the tree is shown the hidden edit need not hold the
        // document: putting half a megabyte into an edit control takes seconds.
        if (!codeTabShown()) {
            text = {};
        }
        if (gApp.codeEdit) {
            // Text set by a command is no change of the user's, whatever the
            // edit control reports while it takes it.
            DocumentState& state = documentState();
            bool modified = state.modified;
            SetWindowTextA(gApp.codeEdit, std::string(text).c_str());
            state.setModified(modified);
        }
    }

    bool codeTabShown() override {
        return gApp.tabControl && SendMessageA(gApp.tabControl, TCM_GETCURSEL, 0, 0) == 1;
    }

    void reapplyCurrentTab() override {
        if (!gApp.mainWindow || !gApp.tabControl) {
            return;
        }
        // The same handling as the tab control's own change notification.
        NMHDR header = {};
        header.hwndFrom = gApp.tabControl;
        header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(gApp.tabControl));
        header.code = TCN_SELCHANGE;
        SendMessageA(gApp.mainWindow, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }

    void applyTabEnabling() override {
        if (gCommandEnabling) {
            gCommandEnabling();
        }
    }

    int chooseNewMenuKind() override { return gNewMenuChooser ? gNewMenuChooser(gApp.mainWindow) : 0; }

    bool chooseFile(const FileDialogRequest& request, std::string& path) override {
        return runFileDialog(gApp.mainWindow, request, path);
    }

    void report(DocumentMessage message, std::string_view path, std::string_view reason) override {
        std::string file(path);
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
            case DocumentMessage::SaveFailed:
                text = formatString(IDS_SAVE_FAILED, file, std::string(reason));
                break;
            case DocumentMessage::CodeNotWritable:
                text = loadString(IDS_CODE_NOT_WRITABLE);
                break;
        }
        showMessage(gApp.mainWindow, text.c_str(), MB_OK | MB_ICONERROR);
    }

    SaveAnswer askSaveChanges(std::string_view documentName) override {
        std::string name(documentName);
        switch (showStringMessageText(gApp.mainWindow, IDS_SAVE_CHANGES, name.c_str(),
                                      MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
            case IDYES:
                return SaveAnswer::Yes;
            case IDNO:
                return SaveAnswer::No;
            default:
                return SaveAnswer::Cancel;
        }
    }

    void quit() override { PostQuitMessage(0); }

    void launchInstance(int kind, std::string_view path) override { launchCopy(kind, path); }

    void broadcastRecentChanged() override { broadcastRecentListChanged(); }

    void postOpenNamed() override {
        if (gApp.mainWindow) {
            PostMessageA(gApp.mainWindow, WM_COMMAND, MAKEWPARAM(ID_FILE_OPEN_NAMED, 0), 0);
        }
    }

private:
    MenuTreeLoader loader_{nullptr};
};

}  // namespace

void MenuTreeLoader::clearTree() {
    if (tree_) {
        tree_->clearTree();
    }
}

LoadResult MenuTreeLoader::loadText(std::string_view text, MenuKind kind, bool fromEditor) {
    return tree_ ? LoadCodeIntoTree(*tree_, text, kind, fromEditor) : LoadResult::failedAt(1);
}

void MenuTreeLoader::collapseAll() {
    if (tree_) {
        tree_->collapseAll();
    }
}

DocumentState& documentState() {
    static DocumentState state = [] {
        DocumentState initial;
        initial.titleSink = [](const std::string& title) {
            if (gApp.mainWindow) {
                SetWindowTextA(gApp.mainWindow, title.c_str());
            }
        };
        return initial;
    }();
    return state;
}

SettingsStore& settingsStore() {
    static RegistrySettingsStore store;
    return store;
}

DocumentFiles& documentFiles() {
    static Win32DocumentFiles files;
    return files;
}

DocumentSession& documentSession() {
    static ShellDocumentHost host;
    static DocumentSession session(documentState(), host, documentFiles(), settingsStore());
    return session;
}

void setNewMenuChooser(int (*chooser)(HWND owner)) {
    gNewMenuChooser = chooser;
}

void setCommandEnabling(void (*apply)()) {
    gCommandEnabling = apply;
}

void launchCopy(int kind, std::string_view path) {
    gInstanceLauncher(kind, path);
}

void setInstanceLauncher(void (*launcher)(int kind, std::string_view path)) {
    gInstanceLauncher = launcher ? launcher : launchThroughShell;
}

}  // namespace tessary
