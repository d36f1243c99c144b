#include "shell/item_commands.h"

#include <commctrl.h>

#include <optional>

#include "editor/fm_item_properties_rules.h"
#include "editor/menu_properties_rules.h"
#include "editor/node_placement.h"
#include "editor/script_properties_rules.h"
#include "editor/separator_properties_rules.h"
#include "platform/window_protocol.h"
#include "shell/command_dispatch.h"
#include "shell/dialogs/dialogs.h"
#include "shell/dialogs/standard_menu_chooser.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/undo_commands.h"

namespace tessary {
namespace {

// After a change the tree has the focus and shows the node that matters:
// after adding, the parent (nothing at the top level), or the new node when
// Ctrl put it at the top level; after editing, the edited node.
void showResult(MainWindow& window, NodeHandle selected) {
    HWND control = window.controls().tree;
    window.document().setModified(true);
    SetFocus(control);
    if (selected == kNoNode) {
        PostMessageA(control, kResetTreeViewMessage, 0, 0);
    } else {
        window.tree().selectNode(selected);
    }
    InvalidateRect(control, nullptr, TRUE);
    applyCommandEnabling(window);
}

// Opens a dialog on its rules (none: the dialog's target does not fit, and it
// does not open) and carries out what OK accepted. `run` is the dialog's entry
// point, or one that hands it more than the rules.
template <typename Rules, typename Run>
void runItemDialog(MainWindow& window, std::optional<Rules> rules, Run run) {
    if (!rules) {
        return;
    }
    if (!run(window.hwnd(), *rules)) {
        SetFocus(window.controls().tree);
        return;
    }
    RecordedChange change(window);
    const NodeHandle node = rules->apply();
    change.finish(rules->mode() == DialogMode::Add ? ChangeKind::Add : ChangeKind::Properties, node);
    if (rules->mode() == DialogMode::Add) {
        showResult(window, selectionAfterAdd(rules->parent(), node, rules->ctrlHeld()));
    } else {
        showResult(window, node);
    }
}

// The FileMaker item dialog of the window: its "Choose..." reads the ready-made
// files and the settings of the window's program and shows the window's icons.
auto fmItemDialogOf(MainWindow& window) {
    return [&window](HWND owner, FmItemPropertiesRules& rules) {
        Program& program = window.program();
        const StandardMenuChooserContext chooser{program.files, program.settings,
                                                 TreeView_GetImageList(window.controls().tree, TVSIL_NORMAL)};
        return runFmItemPropertiesDialog(owner, rules, chooser);
    };
}

}  // namespace

void addMenu(MainWindow& window, UINT) {
    runItemDialog(window, MenuPropertiesRules::forAdd(window.tree(), window.document().menuKind),
                  runMenuPropertiesDialog);
}

void addScript(MainWindow& window, UINT) {
    runItemDialog(window, ScriptPropertiesRules::forAdd(window.tree(), window.document().menuKind),
                  runScriptPropertiesDialog);
}

void addFmItem(MainWindow& window, UINT) {
    runItemDialog(window, FmItemPropertiesRules::forAdd(window.tree(), window.document().menuKind),
                  fmItemDialogOf(window));
}

void addSeparator(MainWindow& window, UINT) {
    runItemDialog(window, SeparatorPropertiesRules::forAdd(window.tree(), window.document().menuKind),
                  runSeparatorPropertiesDialog);
}

void editItemProperties(MainWindow& window, UINT) {
    if (window.currentTab() != EditorTab::MenuTree) {
        return;
    }
    MenuTree& tree = window.tree();
    const NodeHandle node = tree.selected();
    const MenuKind kind = window.document().menuKind;
    switch (tree.getKind(node)) {
        case NodeKind::AppMenu:
        case NodeKind::Menu:
            runItemDialog(window, MenuPropertiesRules::forEdit(tree, kind, node), runMenuPropertiesDialog);
            break;
        case NodeKind::ScriptItem:
        case NodeKind::MacQuitItem:
        case NodeKind::MacPreferencesItem:
            runItemDialog(window, ScriptPropertiesRules::forEdit(tree, kind, node), runScriptPropertiesDialog);
            break;
        case NodeKind::FmItem:
            runItemDialog(window, FmItemPropertiesRules::forEdit(tree, kind, node), fmItemDialogOf(window));
            break;
        case NodeKind::Separator:
            runItemDialog(window, SeparatorPropertiesRules::forEdit(tree, kind, node), runSeparatorPropertiesDialog);
            break;
        default:
            break;
    }
}

}  // namespace tessary
