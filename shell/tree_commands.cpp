#include "shell/tree_commands.h"

#include "editor/tree_editing.h"
#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/undo_commands.h"

namespace tessary {

HWND focusedEditBox() {
    HWND focus = GetFocus();
    char name[16] = {};
    if (!focus || !GetClassNameA(focus, name, sizeof name) || lstrcmpiA(name, "Edit") != 0) {
        return nullptr;
    }
    return focus;
}

bool sendToFocusedEdit(UINT message) {
    HWND edit = focusedEditBox();
    if (edit) {
        SendMessageA(edit, message, 0, 0);
    }
    return edit != nullptr;
}

namespace {

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
    const NodeKind kind = tree.getKind(node);
    const std::string caption = tree.caption(node);
    RecordedChange change(window);
    tree.deleteSubtree(node);
    change.finish(ChangeKind::Delete, kind, caption);
    changed(window);
}

void moveItemUp(MainWindow& window, UINT) {
    MenuTree& tree = window.tree();
    if (window.currentTab() == EditorTab::MenuTree && tree.isValid(tree.selected())) {
        RecordedChange change(window);
        change.finish(ChangeKind::MoveUp, tree.moveNodeUp(tree.selected()));
        changed(window);  // even when nothing moved
    }
}

void moveItemDown(MainWindow& window, UINT) {
    MenuTree& tree = window.tree();
    if (window.currentTab() == EditorTab::MenuTree && tree.isValid(tree.selected())) {
        RecordedChange change(window);
        change.finish(ChangeKind::MoveDown, tree.moveNodeDown(tree.selected()));
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
    if (!target) {
        return;
    }
    RecordedChange change(window);
    const NodeHandle copy = pasteNode(tree, window.clipboard, *target);
    if (copy != kNoNode) {
        change.finish(ChangeKind::Paste, copy);
        changed(window);
    }
}

}  // namespace tessary
