#include "editor/node_placement.h"

namespace tessary {
namespace {

// The first node of the kind among the parent's children.
NodeHandle childOfKind(const MenuTree& tree, NodeHandle parent, NodeKind kind) {
    for (NodeHandle child = tree.firstChild(parent); child != kNoNode; child = tree.nextSibling(child)) {
        if (tree.getKind(child) == kind) {
            return child;
        }
    }
    return kNoNode;
}

// The place just before `before` (a child of the parent), or last without one.
Position placeBefore(const MenuTree& tree, NodeHandle before) {
    if (before == kNoNode) {
        return Position::Last;
    }
    const NodeHandle previous = tree.previousSibling(before);
    return previous == kNoNode ? Position::First : Position::after(previous);
}

}  // namespace

NodeHandle parentForNewNode(const MenuTree& tree) {
    const NodeHandle selected = tree.selected();
    if (!tree.isValid(selected)) {
        return kRootNode;
    }
    if (isMenuKind(tree.getKind(selected))) {
        return selected;
    }
    return tree.parent(selected);
}

NodeHandle parentWithCtrl(NodeHandle parent, NodeKind kind, MenuKind menuKind, bool ctrlHeld) {
    if (!ctrlHeld) {
        return parent;
    }
    if (kind == NodeKind::ScriptItem && menuKind == MenuKind::MainMenu) {
        return parent;
    }
    return kRootNode;
}

Position insertionPoint(const MenuTree& tree, NodeHandle parent, NodeKind kind) {
    if (kind == NodeKind::AppMenu) {
        return Position::First;
    }
    // The Mac items live in the application menu; a parent without them takes
    // every node last.
    const NodeHandle quit = childOfKind(tree, parent, NodeKind::MacQuitItem);
    const NodeHandle preferences = childOfKind(tree, parent, NodeKind::MacPreferencesItem);
    switch (kind) {
        case NodeKind::MacQuitItem:
            return Position::Last;
        case NodeKind::MacPreferencesItem:
        case NodeKind::Menu:
        case NodeKind::Separator:
            return placeBefore(tree, quit);
        case NodeKind::ScriptItem:
        case NodeKind::FmItem:
            return placeBefore(tree, preferences != kNoNode ? preferences : quit);
        default:
            return Position::Last;
    }
}

NodeHandle insertPlaced(MenuTree& tree,
                        NodeHandle parent,
                        std::string_view caption,
                        NodeKind kind,
                        const MenuItemRecord& record) {
    return tree.insertNode(parent, insertionPoint(tree, parent, kind), caption, kind, record);
}

NodeHandle moveNode(MenuTree& tree, NodeHandle node, NodeHandle parent, Position at) {
    const NodeHandle copy = tree.copySubtree(node, parent, at);
    if (copy != kNoNode) {
        tree.deleteSubtree(node);
    }
    return copy;
}

NodeHandle selectionAfterAdd(NodeHandle parent, NodeHandle added, bool ctrlHeld) {
    if (ctrlHeld) {
        return added;
    }
    return parent == kRootNode ? kNoNode : parent;
}

}  // namespace tessary
