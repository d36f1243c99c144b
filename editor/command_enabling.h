// Which commands are enabled: each command follows one rule of the enabling
// table, decided by the tab shown, the menu kind and the selected node's kind.
#pragma once

#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

enum class EditorTab { MenuTree = 0, MenuCode = 1 };

// The enabling table's rows. Commands that follow none are never disabled.
enum class Enabling {
    Always,         // always enabled, never greyed: Cut, Copy, Collapse All, the document commands...
    TreeTab,        // on in the tree tab: Add Menu, Add FileMaker Menu Item
    TreeItem,       // Add Script, Add Separator: as TreeTab, but a menu bar's top level takes no items
    TreeSelection,  // Item Properties, Delete Item: a node is selected in the tree tab
    TreeMovable,    // Move Up, Move Down: a selected node that is not fixed in its place
    Paste,          // the tree's clipboard holds a node, or the code tab is shown
    CodeTab,        // Check Menu Code Syntax, Select All
    Undo,           // the code edit's own undo in the code tab; the tree's history in the tree tab
    Redo,           // the tree's history in the tree tab
};

struct EnablingContext {
    EditorTab tab = EditorTab::MenuTree;
    NodeKind selectedKind = NodeKind::None;  // None when no node is selected
    MenuKind menuKind = MenuKind::MainMenu;
    bool clipboardHoldsNode = false;  // the tree's Cut/Copy remembered a live node
    bool canUndo = false;             // the tree's history has a step to undo
    bool canRedo = false;             // ... and one to redo
};

// Whether a command of the rule is enabled.
bool isEnabled(Enabling rule, const EnablingContext& context);

// Whether a node's caption may be edited in place: not the application menu's,
// and not one that FileMaker's own local caption stands for.
bool captionEditAllowed(NodeKind kind, bool useLocalCaption);

// What a caption typed in place does when the edit ends: an empty one leaves
// the caption as it was (a node captioned by nothing would read back as
// "-unnamed-"), one with a double quote is refused, any other is taken.
enum class TypedCaption { Unchanged, Refused, Taken };
TypedCaption typedCaption(std::string_view text);

}  // namespace tessary
