#include "shell/code_view.h"

#include <commctrl.h>

#include <vector>

#include "editor/code_text.h"
#include "editor/command_enabling.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "platform/clipboard.h"
#include "resources/resource.h"
#include "shell/app_state.h"
#include "documents/document_files.h"
#include "documents/document_state.h"
#include "documents/settings_store.h"
#include "shell/document_host.h"
#include "shell/main_window_controls.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

bool generateFromTree(bool stringForm, std::string& text) {
    if (!gApp.tree) {
        return false;
    }
    std::vector<char> buffer(kDocumentBufferSize, '\0');
    if (!GenerateMenuCode(*gApp.tree, documentState().menuKind, buffer.data(), buffer.size(), stringForm)) {
        return false;
    }
    text.assign(buffer.data());
    return true;
}

LoadResult loadIntoTree(const std::string& text) {
    if (!gApp.tree) {
        return LoadResult::failedAt(1);
    }
    gApp.tree->clearTree();
    return LoadCodeIntoTree(*gApp.tree, text, documentState().menuKind, true);
}

void showView(int tab) {
    ShowWindow(gApp.codeEdit, tab == kCodeTab ? SW_SHOW : SW_HIDE);
    ShowWindow(gApp.treeControl, tab == kCodeTab ? SW_HIDE : SW_SHOW);
}

void selectErrorLine(const std::string& text, int line) {
    TextSpan span = errorLineSpan(text, line);
    SendMessageA(gApp.codeEdit, EM_SETSEL, span.start, span.start + span.length);
    SendMessageA(gApp.codeEdit, EM_SCROLLCARET, 0, 0);
}

void enterCodeTab(HWND mainWindow) {
    std::string text;
    if (!generateFromTree(false, text)) {
        // Showing the old text would let it overwrite the tree on the way back.
        showStringMessage(mainWindow, IDS_TREE_NOT_WRITABLE, MB_OK | MB_ICONERROR);
        SendMessageA(gApp.tabControl, TCM_SETCURSEL, kTreeTab, 0);
        showView(kTreeTab);
        gApp.treeKeysActive = true;
        applyCommandEnabling();
        return;
    }
    showView(kCodeTab);
    if (!text.empty()) {
        SetWindowTextA(gApp.codeEdit, text.c_str());
    }
    gApp.treeKeysActive = false;
    applyCommandEnabling();
}

void leaveCodeTab(HWND mainWindow) {
    std::string text = codeEditText();
    if (!text.empty()) {
        TabLeaveOutcome outcome = tabLeaveOutcome(loadIntoTree(text));
        if (!outcome.accepted) {
            if (outcome.line) {
                showStringMessageInt(mainWindow, outcome.messageId, outcome.line, MB_OK | MB_ICONERROR);
            } else {
                showStringMessage(mainWindow, outcome.messageId, MB_OK | MB_ICONERROR);
            }
            SendMessageA(gApp.tabControl, TCM_SETCURSEL, kCodeTab, 0);
            showView(kCodeTab);
            selectErrorLine(text, outcome.line);
            SetFocus(gApp.codeEdit);
            gApp.treeKeysActive = false;
            applyCommandEnabling();
            return;
        }
        BringWindowToTop(gApp.treeControl);
        InvalidateRect(gApp.treeControl, nullptr, TRUE);
    }
    showView(kTreeTab);
    gApp.treeKeysActive = true;
    applyCommandEnabling();
}

void enableCommand(HMENU menu, unsigned id, bool enabled) {
    if (menu) {
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

}  // namespace

int currentTab() {
    if (!gApp.tabControl) {
        return kTreeTab;
    }
    return SendMessageA(gApp.tabControl, TCM_GETCURSEL, 0, 0) == kCodeTab ? kCodeTab : kTreeTab;
}

std::string codeEditText() {
    if (!gApp.codeEdit) {
        return {};
    }
    int length = GetWindowTextLengthA(gApp.codeEdit);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(gApp.codeEdit, text.data(), length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

void applyCurrentTab(HWND mainWindow) {
    if (currentTab() == kCodeTab) {
        enterCodeTab(mainWindow);
    } else {
        leaveCodeTab(mainWindow);
    }
}

void checkSyntax(HWND mainWindow) {
    TabLeaveOutcome outcome = checkSyntaxOutcome(loadIntoTree(codeEditText()));
    UINT icon = outcome.accepted ? MB_ICONINFORMATION : MB_ICONERROR;
    if (outcome.line) {
        showStringMessageInt(mainWindow, outcome.messageId, outcome.line, MB_OK | icon);
    } else {
        showStringMessage(mainWindow, outcome.messageId, MB_OK | icon);
    }
}

bool currentCodeText(bool stringForm, std::string& text) {
    if (currentTab() == kCodeTab) {
        text = codeEditText();
        return true;
    }
    return generateFromTree(stringForm, text);
}

void copyCode(HWND mainWindow, bool stringForm) {
    std::string text;
    if (!currentCodeText(stringForm, text)) {
        // Nothing was produced: say so, and leave the clipboard as it was.
        showStringMessage(mainWindow, IDS_TREE_NOT_WRITABLE, MB_OK | MB_ICONERROR);
        return;
    }
    if (text.empty()) {
        return;
    }
    std::string reason;
    if (!setClipboardText(clipboardText(text), &reason)) {
        showStringMessageText(mainWindow, IDS_CLIPBOARD_FAILED, reason.c_str(), MB_OK | MB_ICONERROR);
        return;
    }
    if (readShowHintSetting(settingsStore())) {
        // The hint dialog of its own comes with the small dialogs; a message box says it meanwhile.
        showStringMessage(mainWindow, stringForm ? IDS_HINT_PASTE_CALCULATION : IDS_HINT_PASTE_FIELD,
                          MB_OK | MB_ICONINFORMATION);
    }
}

void showPreview(HWND mainWindow) {
    std::string text;
    if (!currentCodeText(false, text)) {
        showStringMessage(mainWindow, IDS_TREE_NOT_WRITABLE, MB_OK | MB_ICONERROR);
        return;
    }
    // The preview window arrives with the menu preview; until then the command says so.
    showStringMessage(mainWindow, IDS_PREVIEW_UNAVAILABLE, MB_OK | MB_ICONINFORMATION);
}

void applyCommandEnabling() {
    EnablingContext context;
    context.tab = currentTab() == kCodeTab ? EditorTab::MenuCode : EditorTab::MenuTree;
    context.menuKind = documentState().menuKind;
    if (gApp.tree) {
        context.selectedKind = gApp.tree->getKind(gApp.tree->selectedNode());
    }
    context.clipboardHoldsNode = gApp.tree && gApp.tree->isValid(gApp.clipNode);
    HMENU mainMenu = gApp.mainWindow ? GetMenu(gApp.mainWindow) : nullptr;
    for (const CommandState& state : commandEnabling(context)) {
        enableCommand(mainMenu, state.commandId, state.enabled);
        enableCommand(gApp.contextMenu, state.commandId, state.enabled);
        if (HWND button = sideButton(state.commandId)) {
            EnableWindow(button, state.enabled);
        }
    }
}

}  // namespace tessary
