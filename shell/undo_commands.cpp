#include "shell/undo_commands.h"

#include <commctrl.h>

#include "shell/command_dispatch.h"
#include "shell/main_window.h"
#include "shell/tree_commands.h"
#include "shell/tree_control.h"

namespace tessary {
namespace {

bool treeTabShown(MainWindow& window) {
    return window.currentTab() == EditorTab::MenuTree;
}

void step(MainWindow& window, bool back) {
    TreeHistory& history = window.history();
    const NodeHandle shown = back ? history.undo() : history.redo();
    window.document().setModified(!history.atSaved());
    HWND tree = window.controls().tree;
    if (HTREEITEM item = window.mirror().itemOf(shown)) {
        TreeView_EnsureVisible(tree, item);
    }
    SetFocus(tree);
    InvalidateRect(tree, nullptr, TRUE);
    applyCommandEnabling(window);
}

}  // namespace

RecordedChange::RecordedChange(MainWindow& window) : window_(window) {
    window_.history().begin();
}

RecordedChange::~RecordedChange() {
    if (!finished_) {
        window_.history().abort();
    }
}

bool RecordedChange::finish(ChangeKind change, NodeHandle node) {
    const MenuTree& tree = window_.tree();
    return finish(change, tree.getKind(node), tree.captionView(node));
}

bool RecordedChange::finish(ChangeKind change, NodeKind kind, std::string_view caption) {
    if (finished_) {
        return false;
    }
    finished_ = true;
    return window_.history().commit(changeLabel(change, kind, caption));
}

void undoChange(MainWindow& window, UINT) {
    if (!sendToFocusedEdit(EM_UNDO) && treeTabShown(window)) {
        step(window, true);
    }
}

void redoChange(MainWindow& window, UINT) {
    if (treeTabShown(window) && !focusedEditBox()) {
        step(window, false);
    }
}

std::string undoItemText(MainWindow& window) {
    return undoItemText(treeTabShown(window) ? window.history().undoLabel() : std::string_view());
}

std::string redoItemText(MainWindow& window) {
    return redoItemText(treeTabShown(window) ? window.history().redoLabel() : std::string_view());
}

std::string undoTreeHint(MainWindow& window) {
    return undoHint(window.history().undoLabel());
}

std::string redoTreeHint(MainWindow& window) {
    return redoHint(window.history().redoLabel());
}

}  // namespace tessary
