#include "shell/code_view.h"

#include <commctrl.h>

#include <algorithm>

#include "documents/document_files.h"
#include "editor/code_text.h"
#include "editor/small_dialog_rules.h"
#include "menucode/calculation_text.h"
#include "platform/clipboard.h"
#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/dialogs/dialogs.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/preview_window.h"
#include "shell/program.h"
#include "shell/undo_commands.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

// Reading the code into the tree is one step of the history; code that does
// not read leaves the tree as it was. Read while the document is unmodified
// (just saved from this tab, say), the code is the saved document.
LoadResult loadIntoTree(MainWindow& window, const std::string& text) {
    RecordedChange change(window);
    window.tree().clearTree();
    const LoadResult result = LoadCodeIntoTree(window.tree(), text, window.document().menuKind, true);
    if (result.isAccepted()) {
        change.finish(ChangeKind::CodeEdit, NodeKind::None, {});
        if (!window.document().modified) {
            window.history().markSaved();
        }
    }
    return result;
}

void showView(MainWindow& window, EditorTab tab) {
    ShowWindow(window.controls().codeEdit, tab == EditorTab::MenuCode ? SW_SHOW : SW_HIDE);
    ShowWindow(window.controls().tree, tab == EditorTab::MenuCode ? SW_HIDE : SW_SHOW);
    showCaretPlace(window);
}

// The status bar part that tells the caret's place.
constexpr int kCaretPlacePart = 1;

// The offset of the caret in the code edit: the end of the selection that the
// caret stands at.
size_t caretOffset(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != end && GetFocus() == edit) {
        POINT caret = {};
        GetCaretPos(&caret);
        const LRESULT at = SendMessageA(edit, EM_POSFROMCHAR, start, 0);
        if (at != -1 && static_cast<short>(LOWORD(at)) == caret.x && static_cast<short>(HIWORD(at)) == caret.y) {
            return start;
        }
    }
    return end;
}

// The text of the code edit's line (from 0) before the given offset.
std::string lineBefore(HWND edit, int line, size_t offset) {
    const LRESULT lineStart = SendMessageA(edit, EM_LINEINDEX, line, 0);
    if (lineStart < 0 || offset < static_cast<size_t>(lineStart)) {
        return {};
    }
    const size_t length = static_cast<size_t>(SendMessageA(edit, EM_LINELENGTH, lineStart, 0));
    // EM_GETLINE takes the buffer's size in its first word and writes no NUL.
    std::string text(std::max<size_t>(length, sizeof(WORD)), '\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(std::min<size_t>(length, 0xFFFF));
    const LRESULT copied = SendMessageA(edit, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::min(static_cast<size_t>(copied > 0 ? copied : 0), offset - static_cast<size_t>(lineStart)));
    return text;
}

// Shows a tab without the tab control's change notification.
void selectTab(MainWindow& window, EditorTab tab) {
    SendMessageA(window.controls().tabControl, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    showView(window, tab);
    window.treeKeysActive = tab == EditorTab::MenuTree;
    applyCommandEnabling(window);
}

void showOutcome(MainWindow& window, const TabLeaveOutcome& outcome, UINT icon) {
    if (outcome.line) {
        showSyntaxError(window, outcome.line);
    } else {
        showStringMessage(window.hwnd(), outcome.messageId, MB_OK | icon);
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
            showOutcome(window, outcome, MB_ICONERROR);
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

void showCaretPlace(MainWindow& window) {
    HWND status = window.controls().statusBar;
    HWND edit = window.controls().codeEdit;
    if (!status || !edit) {
        return;
    }
    std::string place;
    if (window.currentTab() == EditorTab::MenuCode) {
        const size_t caret = caretOffset(edit);
        const int line = static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, caret, 0));
        place = caretPlaceText(line + 1, caretColumn(lineBefore(edit, line, caret)));
    }
    char shown[64] = {};
    if (LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, kCaretPlacePart, 0)) < sizeof shown) {
        SendMessageA(status, SB_GETTEXTA, kCaretPlacePart, reinterpret_cast<LPARAM>(shown));
    }
    // The status bar repaints on every text it is given, while the mouse
    // selects too.
    if (place != shown) {
        SendMessageA(status, SB_SETTEXTA, kCaretPlacePart, reinterpret_cast<LPARAM>(place.c_str()));
    }
}

void goToLine(MainWindow& window, UINT) {
    if (window.currentTab() != EditorTab::MenuCode) {
        return;
    }
    HWND edit = window.controls().codeEdit;
    GoToLineFields fields;
    fields.lineCount = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    fields.line = static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, caretOffset(edit), 0)) + 1;
    if (!runGoToLineDialog(window.hwnd(), fields)) {
        return;
    }
    const LRESULT start = SendMessageA(edit, EM_LINEINDEX, fields.line - 1, 0);
    if (start >= 0) {
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, start, start);
        SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    }
}

int showSyntaxError(MainWindow& window, int line, bool askToSave) {
    HWND edit = window.controls().codeEdit;
    const TextSpan span = errorLineSpan(windowText(edit), line);
    // A line past the end of the text (a missing closing brace) has no line of the text.
    const int textLine =
        span.length ? static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, span.start, 0)) + 1 : line;
    const UINT flags = askToSave ? MB_YESNO | MB_ICONEXCLAMATION : MB_OK | MB_ICONERROR;
    if (textLine == line) {
        return showStringMessageInt(window.hwnd(), askToSave ? IDS_SAVE_SYNTAX_ERROR : IDS_SYNTAX_INCORRECT, line,
                                    flags);
    }
    return showStringMessageInts(window.hwnd(),
                                 askToSave ? IDS_SAVE_SYNTAX_ERROR_TEXT_LINE : IDS_SYNTAX_INCORRECT_TEXT_LINE, line,
                                 textLine, flags);
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
    showOutcome(window, outcome, outcome.accepted ? MB_ICONINFORMATION : MB_ICONERROR);
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
