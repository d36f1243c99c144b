// The rules of the tree editing commands, without windows: the internal
// clipboard of Cut, Copy and Paste, where Paste and a drop put a node, and
// which drops are carried out. The menu rules hold throughout: nothing goes
// above the application menu or below the Mac system items, a menu bar's top
// level takes only menus, and a node put into a menu is cut to that menu's
// platforms; a node that the cut would leave on no platform is not put there.
#pragma once

#include <optional>

#include "model/menu_tree.h"

namespace tessary {

// The node that Cut or Copy remembered. It refers to a live node: a node that
// was removed, or made anew by a move, a drop, a dialog or a reload from the
// code, leaves a stale handle, which counts as an empty clipboard.
class NodeClipboard {
public:
    enum class Mode { Copy, Cut };

    // Remembers the node; the application menu and the Mac items keep their
    // places and are not taken (false).
    bool take(const MenuTree& tree, NodeHandle node, Mode mode);
    bool holdsNode(const MenuTree& tree) const { return tree.isValid(node_); }
    NodeHandle node() const { return node_; }
    Mode mode() const { return mode_; }
    void clear() { node_ = kNoNode; }

private:
    NodeHandle node_ = kNoNode;
    Mode mode_ = Mode::Copy;
};

// Whether a node of the kind may be cut, copied or dragged.
bool isMovableKind(NodeKind kind);

// Where Paste puts the clipboard's node for the selection: a selected menu
// itself; the menu of any other selected node (nothing for a top-level item);
// the top level (kRootNode) with nothing selected, except that a menu bar's top
// level takes only menus. Nothing when the clipboard is empty, or when the
// target is the clipboard's node or lies inside it (the copy would grow the
// very subtree it copies), or when a node would be left on no platform.
std::optional<NodeHandle> pasteTarget(const MenuTree& tree, const NodeClipboard& clipboard, MenuKind menuKind);

// Pastes the clipboard's node under the target: a copy at the end of the
// target's children (before the Mac items), expanded and cut to the target's
// platforms. A cut node is then removed and the clipboard emptied; a copied one
// stays for the next Paste. The copy, or kNoNode when nothing was pasted.
NodeHandle pasteNode(MenuTree& tree, NodeClipboard& clipboard, NodeHandle target);

// ---- Drag and drop ----

struct DropPlace {
    bool accepts = false;
    NodeHandle target = kNoNode;  // the menu to drop into; kRootNode for the top level
};

// The place under the cursor during a drag: over a menu, that menu; over an
// item, its menu (none for a top-level item); over the dragged node or inside
// it, or where a node would be left on no platform, none. Empty space (no node
// under the cursor) stands for the top level.
DropPlace dropPlaceUnder(const MenuTree& tree, NodeHandle dragged, NodeHandle under);

// Whether the drop is carried out: the place accepted the node, the cursor is
// over the tree, the target is not the node itself, the copy would not grow
// inside the node, and a menu bar's top level receives only menus.
bool dropCarriedOut(const MenuTree& tree,
                    MenuKind menuKind,
                    NodeHandle dragged,
                    const DropPlace& place,
                    bool cursorOverTree);

// Carries out a drop: a copy of the node under the target (before the Mac
// items when the target holds them, else last), cut to the target's platforms;
// a move then removes the node. The copy, or kNoNode.
NodeHandle dropNode(MenuTree& tree, NodeHandle dragged, NodeHandle target, bool move);

}  // namespace tessary
