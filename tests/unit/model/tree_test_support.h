// Helpers for the tree tests: add a node, build a tree from the flattened form
// that flattenTree writes, and find nodes by caption.
//
//   buildTree(tree, "Apple{AppMenu}[Quit{MacQuitItem}],File[Open,-Separator-,Print{FmItem 1}]");
//
// A node without braces is a Menu when brackets follow it, a Separator when
// its caption is "-Separator-" and a ScriptItem otherwise; its set is 7 (6 for
// an AppMenu) unless the braces give one.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_tree.h"
#include "model/tree_flatten.h"

namespace tessary {

// Appends a node to parent's children (kRootNode: the top level). What the
// values leave out is a new node's: every platform, enabled, the rest zero.
inline NodeHandle addNode(MenuTree& tree, NodeHandle parent, const NodeValues& values) {
    return tree.insertNode(parent, Position::Last, values);
}

}  // namespace tessary

namespace tessary::testing {

inline NodeKind kindFromName(std::string_view name) {
    for (int k = 0; k < kNodeKindCount; ++k) {
        if (name == nodeKindName(static_cast<NodeKind>(k))) {
            return static_cast<NodeKind>(k);
        }
    }
    ADD_FAILURE() << "unknown kind " << name;
    return NodeKind::ScriptItem;
}

class TreeBuilder {
public:
    TreeBuilder(MenuTree& tree, std::string_view text) : tree_(tree), text_(text) {}

    bool build() {
        parseList(kRootNode);
        return ok_ && pos_ == text_.size();
    }

private:
    void parseList(NodeHandle parent) {
        for (;;) {
            parseNode(parent);
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            return;
        }
    }

    void parseNode(NodeHandle parent) {
        const size_t start = pos_;
        while (pos_ < text_.size() && std::string_view("{[],").find(text_[pos_]) == std::string_view::npos) {
            ++pos_;
        }
        const std::string caption(text_.substr(start, pos_ - start));
        bool kindGiven = false;
        NodeKind kind = NodeKind::ScriptItem;
        int platforms = -1;
        if (pos_ < text_.size() && text_[pos_] == '{') {
            const size_t close = text_.find('}', pos_);
            if (close == std::string_view::npos) {
                ok_ = false;
                return;
            }
            const std::string inside(text_.substr(pos_ + 1, close - pos_ - 1));
            pos_ = close + 1;
            const size_t blank = inside.find(' ');
            const std::string first = inside.substr(0, blank);
            if (!first.empty() && std::isdigit(static_cast<unsigned char>(first[0]))) {
                platforms = std::stoi(first);
            } else {
                kind = kindFromName(first);
                kindGiven = true;
                if (blank != std::string::npos) {
                    platforms = std::stoi(inside.substr(blank + 1));
                }
            }
        }
        const bool hasList = pos_ < text_.size() && text_[pos_] == '[';
        if (!kindGiven) {
            kind = hasList ? NodeKind::Menu : caption == "-Separator-" ? NodeKind::Separator : NodeKind::ScriptItem;
        }
        if (platforms < 0) {
            platforms = kind == NodeKind::AppMenu ? kPlatformMac : kPlatformAll;
        }
        const NodeHandle node = addNode(tree_, parent, {caption, kind, static_cast<PlatformMask>(platforms)});
        if (node == kNoNode) {
            ok_ = false;
            return;
        }
        if (hasList) {
            ++pos_;
            parseList(node);
            if (pos_ >= text_.size() || text_[pos_] != ']') {
                ok_ = false;
                return;
            }
            ++pos_;
        }
    }

    MenuTree& tree_;
    std::string_view text_;
    size_t pos_ = 0;
    bool ok_ = true;
};

inline void buildTree(MenuTree& tree, std::string_view text) {
    ASSERT_TRUE(TreeBuilder(tree, text).build()) << "cannot build " << text;
}

// The first node in pre-order whose caption is the text; kNoNode when none.
inline NodeHandle findCaption(const MenuTree& tree, std::string_view caption) {
    NodeHandle at = tree.firstTopLevel();
    while (at != kNoNode) {
        if (tree.caption(at) == caption) {
            return at;
        }
        NodeHandle next = tree.firstChild(at);
        while (next == kNoNode && at != kNoNode && at != kRootNode) {
            next = tree.nextSibling(at);
            if (next == kNoNode) {
                at = tree.parent(at);
            }
        }
        at = next;
    }
    return kNoNode;
}

// The tree's structure and view state as one line: captions as in flattenTree,
// '+' after an expanded node, '*' after the selected one.
inline void appendState(const MenuTree& tree, NodeHandle first, std::string& out) {
    for (NodeHandle at = first; at != kNoNode; at = tree.nextSibling(at)) {
        if (at != first) {
            out += ',';
        }
        out += tree.caption(at);
        out += tree.isExpanded(at) ? "+" : "";
        out += tree.selected() == at ? "*" : "";
        if (tree.firstChild(at) != kNoNode) {
            out += '[';
            appendState(tree, tree.firstChild(at), out);
            out += ']';
        }
    }
}

inline std::string treeState(const MenuTree& tree) {
    std::string out;
    appendState(tree, tree.firstTopLevel(), out);
    return out;
}

// A view that rebuilds the tree from the observer's reports alone, the way the
// shell's tree-view mirror does, and notes every report that does not fit.
class MirrorView : public TreeObserver {
public:
    explicit MirrorView(const MenuTree& tree) : tree_(tree) { items_[kRootNode]; }

    void nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) override {
        if (items_.count(node)) {
            return problem("inserted twice", node);
        }
        auto parentItem = items_.find(parent);
        if (parentItem == items_.end()) {
            return problem("inserted under an unknown parent", node);
        }
        std::vector<NodeHandle>& siblings = parentItem->second.children;
        auto position = siblings.begin();
        if (after != kNoNode) {
            position = std::find(siblings.begin(), siblings.end(), after);
            if (position == siblings.end()) {
                return problem("inserted after a node that is no sibling", node);
            }
            ++position;
        }
        siblings.insert(position, node);
        Item& item = items_[node];
        item.parent = parent;
        item.caption = tree_.caption(node);
        item.expanded = tree_.isExpanded(node);
    }

    void nodeRemoved(NodeHandle node) override {
        auto found = items_.find(node);
        if (found == items_.end()) {
            return problem("removed an unknown node", node);
        }
        if (node == selected_ || (selected_ != kNoNode && tree_.isAncestorOrSelf(node, selected_))) {
            problem("removed the selection", node);
        }
        std::vector<NodeHandle>& siblings = items_[found->second.parent].children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), node));
        std::vector<NodeHandle> pending{node};
        while (!pending.empty()) {
            const NodeHandle at = pending.back();
            pending.pop_back();
            pending.insert(pending.end(), items_[at].children.begin(), items_[at].children.end());
            items_.erase(at);
        }
    }

    void nodeChanged(NodeHandle node) override {
        if (!items_.count(node)) {
            return problem("changed an unknown node", node);
        }
        items_[node].caption = tree_.caption(node);
    }

    void hasChildrenChanged(NodeHandle node, bool hasChildren) override {
        if (!items_.count(node) || items_[node].children.empty() == hasChildren) {
            problem("has-children report disagrees with the children seen", node);
        }
    }

    void expandedChanged(NodeHandle node, bool expanded) override {
        if (!items_.count(node)) {
            return problem("expanded an unknown node", node);
        }
        if (items_[node].expanded == expanded) {
            problem("expanded state reported without a change", node);
        }
        if (expanded && items_[node].children.empty()) {
            problem("expanded a node without children", node);
        }
        items_[node].expanded = expanded;
    }

    void selectionChanged(NodeHandle node) override {
        if (node != kNoNode && !items_.count(node)) {
            problem("selected an unknown node", node);
        }
        selected_ = node;
    }

    void batchBegin() override {
        if (inBatch_) {
            problem("nested batch reported", kNoNode);
        }
        inBatch_ = true;
    }

    void batchEnd() override {
        if (!inBatch_) {
            problem("batch ended without a begin", kNoNode);
        }
        inBatch_ = false;
    }

    std::string state() const {
        std::string out;
        append(items_.at(kRootNode).children, out);
        return out;
    }

    size_t size() const { return items_.size() - 1; }
    const std::vector<std::string>& problems() const { return problems_; }
    bool inBatch() const { return inBatch_; }

private:
    struct Item {
        NodeHandle parent = kNoNode;
        std::vector<NodeHandle> children;
        std::string caption;
        bool expanded = false;
    };

    void problem(const char* what, NodeHandle node) {
        problems_.push_back(std::string(what) + " " + std::to_string(node.value()));
    }

    void append(const std::vector<NodeHandle>& nodes, std::string& out) const {
        for (size_t i = 0; i < nodes.size(); ++i) {
            const Item& item = items_.at(nodes[i]);
            out += i ? "," : "";
            out += item.caption;
            out += item.expanded ? "+" : "";
            out += selected_ == nodes[i] ? "*" : "";
            if (!item.children.empty()) {
                out += '[';
                append(item.children, out);
                out += ']';
            }
        }
    }

    const MenuTree& tree_;
    std::map<NodeHandle, Item> items_;
    NodeHandle selected_ = kNoNode;
    bool inBatch_ = false;
    std::vector<std::string> problems_;
};

}  // namespace tessary::testing
