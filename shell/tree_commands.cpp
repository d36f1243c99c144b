#include "shell/tree_commands.h"

#include "editor/tree_editing.h"
#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/main_window.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

// The text commands go to an edit box that has the focus: the code edit, or
// the box of a caption being edited in the tree.
bool sendToFocusedEdit(UINT message) {
    HWND focus = GetFocus();
    char name[16] = {};
    if (!focus || !GetClassNameA(focus, name, sizeof name) || lstrcmpiA(name, "Edit") != 0) {
        return false;
    }
    SendMessageA(focus, message, 0, 0);
    return true;
}

void changed(MainWindow& window) {
    window.document().setModified(true);
    InvalidateRect(window.controls().tree, nullptr, TRUE);
    applyCommandEnabling(window);
}

void remember(MainWindow& window, NodeClipboard::Mode mode, UINT editMessage) {
    if (sendToFocusedEdit(editMessage)) {
        return;
    }
    if (GetFocus() != window.controls().tree) {
        return;
    }
    MenuTree& tree = window.tree();
    const NodeHandle selected = tree.selected();
    if (!tree.isValid(selected)) {
        window.clipboard.clear();
    } else if (!window.clipboard.take(tree, selected, mode)) {
        return;  // the application menu and the Mac items keep their places
    }
    applyCommandEnabling(window);
}

}  // namespace

void deleteItem(MainWindow& window, UINT) {
    MenuTree& tree = window.tree();
    const NodeHandle node = tree.selected();
    if (window.currentTab() != EditorTab::MenuTree || !tree.isValid(node)) {
        return;
    }
    if (tree.hasChildren(node) && showStringMessageText(window.hwnd(), IDS_DELETE_QUESTION, tree.caption(node).c_str(),
                                                        MB_YESNO | MB_ICONWARNING) != IDYES) {
        return;
    }
    if (window.clipboard.node() == node) {
        window.clipboard.clear();
    }
    tree.deleteSubtree(node);
    changed(window);
}

void moveItemUp(MainWindow& window, UINT) {
    if (window.currentTab() == EditorTab::MenuTree && window.tree().isValid(window.tree().selected())) {
        window.tree().moveNodeUp(window.tree().selected());
        changed(window);  // even when nothing moved
    }
}

void moveItemDown(MainWindow& window, UINT) {
    if (window.currentTab() == EditorTab::MenuTree && window.tree().isValid(window.tree().selected())) {
        window.tree().moveNodeDown(window.tree().selected());
        changed(window);
    }
}

void cutItem(MainWindow& window, UINT) {
    remember(window, NodeClipboard::Mode::Cut, WM_CUT);
}

void copyItem(MainWindow& window, UINT) {
    remember(window, NodeClipboard::Mode::Copy, WM_COPY);
}

void pasteItem(MainWindow& window, UINT) {
    if (sendToFocusedEdit(WM_PASTE)) {
        return;
    }
    if (window.currentTab() == EditorTab::MenuCode) {
        // Paste is on in the code tab wherever the focus is (on the tab itself
        // after a click on it, say): the text goes into the code.
        HWND code = window.controls().codeEdit;
        SetFocus(code);
        SendMessageA(code, WM_PASTE, 0, 0);
        return;
    }
    MenuTree& tree = window.tree();
    const auto target = pasteTarget(tree, window.clipboard, window.document().menuKind);
    if (target && pasteNode(tree, window.clipboard, *target) != kNoNode) {
        changed(window);
    }
}

void undoText(MainWindow&, UINT) {
    sendToFocusedEdit(EM_UNDO);
}

}  // namespace tessary
