#include "shell/code_view.h"

#include <commctrl.h>

#include "documents/document_files.h"
#include "editor/code_text.h"
#include "editor/copy_hint_rules.h"
#include "menucode/calculation_text.h"
#include "platform/clipboard.h"
#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/dialogs/copy_hint_dialog.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/preview_window.h"
#include "shell/program.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

LoadResult loadIntoTree(MainWindow& window, const std::string& text) {
    window.tree().clearTree();
    return LoadCodeIntoTree(window.tree(), text, window.document().menuKind, true);
}

void showView(MainWindow& window, EditorTab tab) {
    ShowWindow(window.controls().codeEdit, tab == EditorTab::MenuCode ? SW_SHOW : SW_HIDE);
    ShowWindow(window.controls().tree, tab == EditorTab::MenuCode ? SW_HIDE : SW_SHOW);
}

// Shows a tab without the tab control's change notification.
void selectTab(MainWindow& window, EditorTab tab) {
    SendMessageA(window.controls().tabControl, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    showView(window, tab);
    window.treeKeysActive = tab == EditorTab::MenuTree;
    applyCommandEnabling(window);
}

void showOutcome(HWND owner, const TabLeaveOutcome& outcome, UINT icon) {
    if (outcome.line) {
        showStringMessageInt(owner, outcome.messageId, outcome.line, MB_OK | icon);
    } else {
        showStringMessage(owner, outcome.messageId, MB_OK | icon);
    }
}

void enterCodeTab(MainWindow& window) {
    std::string text;
    if (!generateDocumentCode(window.tree(), window.document().menuKind, text)) {
        // Showing the old text would let it overwrite the tree on the way back.
        showStringMessage(window.hwnd(), IDS_TREE_NOT_WRITABLE, MB_OK | MB_ICONERROR);
        selectTab(window, EditorTab::MenuTree);
        return;
    }
    showView(window, EditorTab::MenuCode);
    // The edit lays out every line of a text it is given, which takes most of
    // a second for the largest document under Wine: the text it already holds
    // is not given again.
    HWND edit = window.controls().codeEdit;
    if (!text.empty() && text != windowText(edit)) {
        SetWindowTextA(edit, text.c_str());
    }
    window.treeKeysActive = false;
    applyCommandEnabling(window);
}

void leaveCodeTab(MainWindow& window) {
    HWND edit = window.controls().codeEdit;
    const std::string text = windowText(edit);
    // A text that is just what the tree writes needs no reading back: the tree
    // keeps its nodes, expansion and selection, and a large document comes
    // back at once instead of being built anew.
    std::string treeCode;
    const bool unchanged = generateDocumentCode(window.tree(), window.document().menuKind, treeCode) &&
                           treeCode == text;
    if (!text.empty() && !unchanged) {
        const TabLeaveOutcome outcome = tabLeaveOutcome(loadIntoTree(window, text));
        if (!outcome.accepted) {
            showOutcome(window.hwnd(), outcome, MB_ICONERROR);
            selectTab(window, EditorTab::MenuCode);
            selectCodeLine(window, outcome.line);
            return;
        }
        BringWindowToTop(window.controls().tree);
        InvalidateRect(window.controls().tree, nullptr, TRUE);
    }
    showView(window, EditorTab::MenuTree);
    window.treeKeysActive = true;
    applyCommandEnabling(window);
}

}  // namespace

void showCodeTabAsItStands(MainWindow& window) {
    selectTab(window, EditorTab::MenuCode);
}

void selectCodeLine(MainWindow& window, int line) {
    HWND edit = window.controls().codeEdit;
    const TextSpan span = errorLineSpan(windowText(edit), line);
    SendMessageA(edit, EM_SETSEL, span.start, span.start + span.length);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    SetFocus(edit);
}

void applyCurrentTab(MainWindow& window) {
    if (window.currentTab() == EditorTab::MenuCode) {
        enterCodeTab(window);
    } else {
        leaveCodeTab(window);
    }
}

void checkSyntax(MainWindow& window, UINT) {
    if (window.currentTab() != EditorTab::MenuCode) {
        return;
    }
    const TabLeaveOutcome outcome = checkSyntaxOutcome(loadIntoTree(window, windowText(window.controls().codeEdit)));
    showOutcome(window.hwnd(), outcome, outcome.accepted ? MB_ICONINFORMATION : MB_ICONERROR);
}

bool currentCodeText(MainWindow& window, std::string& text) {
    if (window.currentTab() == EditorTab::MenuCode) {
        text = windowText(window.controls().codeEdit);
        return true;
    }
    return generateDocumentCode(window.tree(), window.document().menuKind, text);
}

void copyCode(MainWindow& window, bool stringForm) {
    std::string text;
    if (!currentCodeText(window, text)) {
        // Nothing was produced: say so, and leave the clipboard as it was.
        showStringMessage(window.hwnd(), IDS_TREE_NOT_WRITABLE, MB_OK | MB_ICONERROR);
        return;
    }
    if (text.empty()) {
        return;
    }
    SettingsStore& settings = window.program().settings;
    text = clipboardText(text);
    if (stringForm) {
        // Typed code is converted just as the tree's: the conversion needs no
        // code that parses.
        text = calculationText(text, readUseFmSetting(settings));
    }
    std::string reason;
    if (!setClipboardText(text, &reason)) {
        showStringMessageText(window.hwnd(), IDS_CLIPBOARD_FAILED, reason.c_str(), MB_OK | MB_ICONERROR);
        return;
    }
    if (copyHintShows(settings)) {
        CopyHintFields fields = copyHintFieldsFor(settings, stringForm);
        if (runCopyHintDialog(window.hwnd(), fields)) {
            acceptCopyHint(settings, fields);
        }
    }
}

void showPreview(MainWindow& window, UINT) {
    std::string text;
    if (!currentCodeText(window, text)) {
        showStringMessage(window.hwnd(), IDS_TREE_NOT_WRITABLE, MB_OK | MB_ICONERROR);
        return;
    }
    openMenuPreview(window.program(), window.hwnd(), text, window.document().menuKind);
}

}  // namespace tessary
