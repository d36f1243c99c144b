#include "model/tree_flatten.h"

namespace tessary {

static void appendNode(const MenuTree& tree, NodeHandle node, unsigned detail, std::string& out) {
    out += tree.caption(node);
    if (detail & (kFlattenKinds | kFlattenPlatforms)) {
        out += '{';
        if (detail & kFlattenKinds) {
            out += nodeKindName(tree.getKind(node));
        }
        if (detail & kFlattenPlatforms) {
            if (detail & kFlattenKinds) {
                out += ' ';
            }
            const MenuItemRecord* record = tree.getRecord(node);
            out += std::to_string(record ? record->platforms : 0);
        }
        out += '}';
    }
}

// Walks without recursion, so deep trees cannot exhaust the stack.
static void appendSubtree(const MenuTree& tree, NodeHandle top, unsigned detail, std::string& out) {
    NodeHandle at = top;
    appendNode(tree, at, detail, out);
    for (;;) {
        const NodeHandle child = tree.firstChild(at);
        if (child != kNoNode) {
            out += '[';
            at = child;
            appendNode(tree, at, detail, out);
            continue;
        }
        for (;;) {
            if (at == top) {
                return;
            }
            const NodeHandle next = tree.nextSibling(at);
            if (next != kNoNode) {
                out += ',';
                at = next;
                appendNode(tree, at, detail, out);
                break;
            }
            at = tree.parent(at);
            out += ']';
        }
    }
}

std::string flattenTree(const MenuTree& tree, unsigned detail) {
    std::string out;
    for (NodeHandle node = tree.firstTopLevel(); node != kNoNode; node = tree.nextSibling(node)) {
        if (node != tree.firstTopLevel()) {
            out += ',';
        }
        appendSubtree(tree, node, detail, out);
    }
    return out;
}

std::string flattenSubtree(const MenuTree& tree, NodeHandle node, unsigned detail) {
    if (node == kRootNode) {
        return flattenTree(tree, detail);
    }
    if (!tree.isValid(node)) {
        return std::string();
    }
    std::string out;
    appendSubtree(tree, node, detail, out);
    return out;
}

}  // namespace tessary
