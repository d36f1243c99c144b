// Which editing commands are enabled, by tab, selected node and menu kind.
#pragma once

#include <vector>

#include "editor/command_hints.h"
#include "model/menu_item_record.h"

namespace tessary {

struct CommandState {
    unsigned commandId;
    bool enabled;
};

struct EnablingContext {
    EditorTab tab = EditorTab::MenuTree;
    NodeKind selectedKind = NodeKind::None;  // None when no node is selected
    MenuKind menuKind = MenuKind::MainMenu;
    bool clipboardHoldsNode = false;         // the tree's Cut/Copy remembered a node
};

// Whether a node's caption may be edited in place: not the application menu's,
// and not one that FileMaker's own local caption stands for.
bool captionEditAllowed(NodeKind kind, bool useLocalCaption);

// The state of every command that enabling touches. Cut, Copy, Collapse All and
// Expand All are never disabled and are not listed.
std::vector<CommandState> commandEnabling(const EnablingContext& context);

}  // namespace tessary
