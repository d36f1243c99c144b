// Where the item dialogs put a new node: its parent, its place among the
// parent's children, and what is selected afterwards.
#pragma once

#include "model/menu_tree.h"

namespace tessary {

// The parent of a new node from the selected node: a selected menu (or the
// application menu) itself, else the selected node's parent; the top level
// (kRootNode) for a top-level node or no selection.
NodeHandle parentForNewNode(const MenuTree& tree);

// Ctrl held at OK puts a new node at the top level: menus, separators and
// FileMaker items always, script items only outside a main menu.
NodeHandle parentWithCtrl(NodeHandle parent, NodeKind kind, MenuKind menuKind, bool ctrlHeld);

// Where a new node of the kind goes among the parent's children: last, except
// that an application menu goes first at the top level; inside an application
// menu menus and separators go before the Mac Quit item, script and FileMaker
// items before the Mac Preferences item (else before the Mac Quit item); a new
// Mac Preferences item goes before the Mac Quit item.
Position insertionPoint(const MenuTree& tree, NodeHandle parent, NodeKind kind);

// Inserts a node at its place: insertNode at insertionPoint.
NodeHandle insertPlaced(MenuTree& tree,
                        NodeHandle parent,
                        std::string_view caption,
                        NodeKind kind,
                        const MenuItemRecord& record);

// Moves a node (its subtree copied, the old one removed) to a new place under
// the same or another parent; returns the copy, kNoNode when nothing moved.
NodeHandle moveNode(MenuTree& tree, NodeHandle node, NodeHandle parent, Position at);

// What is selected after a node was added: the parent when Ctrl was not held
// (nothing when that is the top level), the new node when it was.
NodeHandle selectionAfterAdd(NodeHandle parent, NodeHandle added, bool ctrlHeld);

}  // namespace tessary
