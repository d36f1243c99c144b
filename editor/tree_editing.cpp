#include "editor/tree_editing.h"

#include <vector>

namespace tessary {
namespace {

// The first Mac Preferences item of the tree, else its first Mac Quit item:
// nodes put into its menu go just before it.
NodeHandle macItemsAnchor(const MenuTree& tree) {
    const NodeHandle preferences = tree.findMacPreferencesItem();
    return preferences != kNoNode ? preferences : tree.findMacQuitItem();
}

// Whether every node of the subtree keeps a platform when it is cut to the
// target's set: a node on no platform could not be written as menu code.
bool keepsPlatforms(const MenuTree& tree, NodeHandle node, NodeHandle target) {
    const PlatformMask set = tree.getPlatforms(target);
    if (set == kPlatformAll) {
        return true;
    }
    std::vector<NodeHandle> pending{node};
    while (!pending.empty()) {
        const NodeHandle at = pending.back();
        pending.pop_back();
        if ((tree.getPlatforms(at) & set) == 0) {
            return false;
        }
        for (NodeHandle child = tree.firstChild(at); child != kNoNode; child = tree.nextSibling(child)) {
            pending.push_back(child);
        }
    }
    return true;
}

// A copy of the node under the target, before the Mac items, cut to the
// target's platforms.
NodeHandle copyInto(MenuTree& tree, NodeHandle node, NodeHandle target) {
    const NodeHandle anchor = macItemsAnchor(tree);
    Position at = Position::Last;
    if (anchor != kNoNode && tree.parent(anchor) == target) {
        const NodeHandle previous = tree.previousSibling(anchor);
        at = previous == kNoNode ? Position::First : Position::after(previous);
    }
    const NodeHandle copy = tree.copySubtree(node, target, at);
    if (copy == kNoNode) {
        return kNoNode;
    }
    const PlatformMask lacking = static_cast<PlatformMask>(kPlatformAll & ~tree.getPlatforms(target));
    if (lacking != 0) {
        tree.removePlatformsFromSubtree(copy, lacking, false);
    }
    return copy;
}

bool isLeafKind(NodeKind kind) {
    return !isMenuKind(kind);
}

// A menu bar's top level holds menus only.
bool fitsTopLevel(const MenuTree& tree, MenuKind menuKind, NodeHandle node) {
    return menuKind != MenuKind::MainMenu || isMenuKind(tree.getKind(node));
}

}  // namespace

bool isMovableKind(NodeKind kind) {
    return isValidNodeKind(kind) && kind != NodeKind::AppMenu && kind != NodeKind::MacQuitItem &&
           kind != NodeKind::MacPreferencesItem;
}

bool NodeClipboard::take(const MenuTree& tree, NodeHandle node, Mode mode) {
    if (!tree.isValid(node) || !isMovableKind(tree.getKind(node))) {
        return false;
    }
    node_ = node;
    mode_ = mode;
    return true;
}

std::optional<NodeHandle> pasteTarget(const MenuTree& tree, const NodeClipboard& clipboard, MenuKind menuKind) {
    if (!clipboard.holdsNode(tree)) {
        return std::nullopt;
    }
    const NodeHandle selected = tree.selected();
    NodeHandle target = kRootNode;
    if (tree.isValid(selected)) {
        target = isMenuKind(tree.getKind(selected)) ? selected : tree.parent(selected);
        if (target == kRootNode) {
            return std::nullopt;  // a top-level item is selected
        }
    } else if (!fitsTopLevel(tree, menuKind, clipboard.node())) {
        return std::nullopt;
    }
    if (target != kRootNode && tree.isAncestorOrSelf(clipboard.node(), target)) {
        return std::nullopt;
    }
    if (!keepsPlatforms(tree, clipboard.node(), target)) {
        return std::nullopt;
    }
    return target;
}

NodeHandle pasteNode(MenuTree& tree, NodeClipboard& clipboard, NodeHandle target) {
    if (!clipboard.holdsNode(tree)) {
        return kNoNode;
    }
    const NodeHandle copy = copyInto(tree, clipboard.node(), target);
    if (copy == kNoNode) {
        return kNoNode;
    }
    tree.expandNode(copy, true);
    if (clipboard.mode() == NodeClipboard::Mode::Cut) {
        tree.deleteSubtree(clipboard.node());
        clipboard.clear();
    }
    return copy;
}

DropPlace dropPlaceUnder(const MenuTree& tree, NodeHandle dragged, NodeHandle under) {
    if (!tree.isValid(under)) {
        return {true, kRootNode};  // empty space: the top level
    }
    if (tree.isAncestorOrSelf(dragged, under)) {
        return {};
    }
    NodeHandle target = under;
    if (isLeafKind(tree.getKind(under))) {
        target = tree.parent(under);
        if (target == kRootNode) {
            return {};  // a top-level item is no menu to drop into
        }
    }
    if (!keepsPlatforms(tree, dragged, target)) {
        return {};
    }
    return {true, target};
}

bool dropCarriedOut(const MenuTree& tree,
                    MenuKind menuKind,
                    NodeHandle dragged,
                    const DropPlace& place,
                    bool cursorOverTree) {
    if (!place.accepts || !cursorOverTree || !tree.isValid(dragged) || place.target == dragged) {
        return false;
    }
    if (place.target == kRootNode) {
        return fitsTopLevel(tree, menuKind, dragged);
    }
    return tree.isValid(place.target) && !tree.isAncestorOrSelf(dragged, place.target);
}

NodeHandle dropNode(MenuTree& tree, NodeHandle dragged, NodeHandle target, bool move) {
    const NodeHandle copy = copyInto(tree, dragged, target);
    if (copy != kNoNode && move) {
        tree.deleteSubtree(dragged);
    }
    return copy;
}

}  // namespace tessary
