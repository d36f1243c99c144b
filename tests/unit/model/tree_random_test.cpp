// Long random runs of inserts, copies (within a tree and between two trees),
// moves, removals, selections and platform removal, each applied to the
// MenuTree and to a plain reference tree. After every step the two must agree
// node for node (handle, caption, kind, stored set), the selection must agree,
// the tree's structure must check out, a view built from the observer's
// reports must match, and no handle of a removed node may be valid or
// reachable.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/menu_tree.h"
#include "model/tree_flatten.h"
#include "tree_test_support.h"

namespace tessary {
namespace {

using testing::MirrorView;
using testing::treeState;

struct Ref {
    std::string caption;
    NodeKind kind = NodeKind::None;
    PlatformMask platforms = 0;
    NodeHandle handle = kNoNode;
    Ref* parent = nullptr;
    std::vector<std::unique_ptr<Ref>> children;

    size_t indexInParent() const {
        const auto& siblings = parent->children;
        for (size_t i = 0; i < siblings.size(); ++i) {
            if (siblings[i].get() == this) {
                return i;
            }
        }
        ADD_FAILURE() << "broken reference tree";
        return 0;
    }
};

bool isMacSystemItem(NodeKind kind) {
    return kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem;
}

// The reference tree: the same operations, written the obvious way.
class Reference {
public:
    Reference() { root_.handle = kRootNode; }

    Ref* root() { return &root_; }
    Ref* selected = nullptr;
    std::unordered_set<NodeHandle> dead;

    void all(std::vector<Ref*>& out, Ref* from = nullptr) {
        for (auto& child : (from ? from : &root_)->children) {
            out.push_back(child.get());
            all(out, child.get());
        }
    }

    static bool contains(const Ref* ancestor, const Ref* node) {
        for (; node; node = node->parent) {
            if (node == ancestor) {
                return true;
            }
        }
        return false;
    }

    Ref* insert(Ref* parent, size_t index, std::unique_ptr<Ref> node) {
        node->parent = parent;
        Ref* raw = node.get();
        parent->children.insert(parent->children.begin() + static_cast<long>(index), std::move(node));
        return raw;
    }

    static std::unique_ptr<Ref> clone(const Ref& from) {
        auto copy = std::make_unique<Ref>();
        copy->caption = from.caption;
        copy->kind = from.kind;
        copy->platforms = from.platforms;
        for (const auto& child : from.children) {
            auto c = clone(*child);
            c->parent = copy.get();
            copy->children.push_back(std::move(c));
        }
        return copy;
    }

    void remove(Ref* node) {
        Ref* parent = node->parent;
        const size_t i = node->indexInParent();
        if (selected && contains(node, selected)) {
            if (i + 1 < parent->children.size()) {
                selected = parent->children[i + 1].get();
            } else if (parent != &root_) {
                selected = parent;
            } else {
                selected = i > 0 ? parent->children[i - 1].get() : nullptr;
            }
        }
        std::vector<Ref*> gone{node};
        all(gone, node);
        for (Ref* r : gone) {
            dead.insert(r->handle);
        }
        parent->children.erase(parent->children.begin() + static_cast<long>(i));
    }

    void clear() {
        selected = nullptr;
        while (!root_.children.empty()) {
            remove(root_.children.front().get());
        }
    }

    void removeBits(Ref* start, PlatformMask bits, bool removeEmpty) {
        const PlatformMask keep = static_cast<PlatformMask>(~bits);
        if (start != &root_) {
            start->platforms &= keep;
        }
        processChildren(start, keep, removeEmpty);
        if (removeEmpty && start != &root_ && start->platforms == 0) {
            remove(start);
        }
    }

private:
    void processChildren(Ref* node, PlatformMask keep, bool removeEmpty) {
        for (size_t i = 0; i < node->children.size();) {
            Ref* child = node->children[i].get();
            child->platforms &= keep;
            processChildren(child, keep, removeEmpty);
            if (removeEmpty && child->platforms == 0) {
                remove(child);
            } else {
                ++i;
            }
        }
    }

    Ref root_;
};

// Gives the reference copy the handles the tree gave its copy, walking both.
void adoptHandles(const MenuTree& tree, NodeHandle node, Ref* ref) {
    ref->handle = node;
    NodeHandle child = tree.firstChild(node);
    for (auto& c : ref->children) {
        ASSERT_NE(child, kNoNode) << "copy has fewer children than its source";
        adoptHandles(tree, child, c.get());
        child = tree.nextSibling(child);
    }
    ASSERT_EQ(child, kNoNode) << "copy has more children than its source";
}

void compare(const MenuTree& tree, NodeHandle first, const Ref* parent, std::string& problem) {
    NodeHandle at = first;
    for (const auto& ref : parent->children) {
        if (!problem.empty()) {
            return;
        }
        if (at != ref->handle) {
            problem = "handle differs at " + ref->caption;
            return;
        }
        const MenuItemRecord* record = tree.getRecord(at);
        if (tree.caption(at) != ref->caption || tree.getKind(at) != ref->kind || !record ||
            record->platforms != ref->platforms) {
            problem = "node differs at " + ref->caption;
            return;
        }
        if (tree.hasChildren(at) != !ref->children.empty()) {
            problem = "has-children differs at " + ref->caption;
            return;
        }
        compare(tree, tree.firstChild(at), ref.get(), problem);
        at = tree.nextSibling(at);
    }
    if (problem.empty() && at != kNoNode) {
        problem = "extra node " + tree.caption(at);
    }
}

class RandomRun {
public:
    explicit RandomRun(unsigned startingValue) : rng_(startingValue), mainMirror_(main_) {
        main_.setObserver(&mainMirror_);
    }

    void run(int steps) {
        for (int step = 0; step < steps; ++step) {
            last_ = randomStep();
            verify(step);
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
        for (NodeHandle h : ref_.dead) {
            ASSERT_FALSE(main_.isValid(h)) << "stale handle " << h << " valid again";
        }
        for (NodeHandle h : otherRef_.dead) {
            ASSERT_FALSE(other_.isValid(h)) << "stale handle " << h << " valid again in the second tree";
        }
        ::testing::Test::RecordProperty("largest", static_cast<int>(largest_));
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    Ref* randomNode(Reference& ref) {
        std::vector<Ref*> nodes;
        ref.all(nodes);
        return nodes.empty() ? nullptr : nodes[static_cast<size_t>(pick(static_cast<int>(nodes.size())))];
    }

    Ref* randomParent(Reference& ref) {
        if (chance(20)) {
            return ref.root();
        }
        std::vector<Ref*> nodes;
        ref.all(nodes);
        std::vector<Ref*> menus;
        for (Ref* r : nodes) {
            if (isMenuKind(r->kind) || chance(5)) {
                menus.push_back(r);
            }
        }
        return menus.empty() ? ref.root() : menus[static_cast<size_t>(pick(static_cast<int>(menus.size())))];
    }

    // A place among parent's children: the handle to pass as "after" and the
    // index the new node gets.
    std::pair<NodeHandle, size_t> randomPosition(Ref* parent) {
        const size_t count = parent->children.size();
        const int how = pick(4);
        if (how == 0) {
            return {kFirstPosition, 0};
        }
        if (how == 1 || count == 0) {
            return {chance(50) ? kLastPosition : kNoNode, count};
        }
        const size_t after = static_cast<size_t>(pick(static_cast<int>(count)));
        return {parent->children[after]->handle, after + 1};
    }

    NodeKind randomKind() {
        static const NodeKind kinds[] = {NodeKind::Menu,
                                         NodeKind::Menu,
                                         NodeKind::Menu,
                                         NodeKind::ScriptItem,
                                         NodeKind::ScriptItem,
                                         NodeKind::ScriptItem,
                                         NodeKind::FmItem,
                                         NodeKind::Separator,
                                         NodeKind::AppMenu,
                                         NodeKind::MacQuitItem,
                                         NodeKind::MacPreferencesItem};
        return kinds[pick(static_cast<int>(std::size(kinds)))];
    }

    std::string randomStep() {
        const int what = main_.nodeCount() > 400 ? pick(3) + 7 : pick(100) % 12;
        switch (what) {
            case 0:
            case 1:
            case 2:
                return insert();
            case 3:
                return copyWithin();
            case 4:
                return copyBetween();
            case 5:
            case 6:
                return move();
            case 7:
            case 8:
                return remove();
            case 9:
                return select();
            case 10:
                return removeBits();
            default:
                if (chance(3)) {
                    main_.clearTree();
                    ref_.clear();
                    return "clear";
                }
                return insert();
        }
    }

    std::string insert() {
        Ref* parent = randomParent(ref_);
        const auto [after, index] = randomPosition(parent);
        auto node = std::make_unique<Ref>();
        node->caption = std::string("n").append(std::to_string(++counter_));
        node->kind = randomKind();
        node->platforms = static_cast<PlatformMask>(pick(8));
        const NodeHandle h = main_.insertNode(parent->handle, after, node->caption, node->kind, node->platforms,
                                              static_cast<uint16_t>(pick(0x800)), 0, 0, 1, 0);
        EXPECT_NE(h, kNoNode);
        EXPECT_EQ(ref_.dead.count(h), 0u) << "a removed node's handle was given out again";
        node->handle = h;
        ref_.insert(parent, index, std::move(node));
        return std::string("insert ").append(std::to_string(h.value()));
    }

    std::string copyWithin() {
        Ref* source = randomNode(ref_);
        if (!source || sizeOf(source) + main_.nodeCount() > 600) {
            return "copy skipped";
        }
        Ref* parent = randomParent(ref_);
        if (chance(10)) {
            parent = source;  // into itself: refused
        }
        const auto [after, index] = randomPosition(parent);
        const NodeHandle copy = main_.copySubtree(source->handle, parent->handle, after);
        if (Reference::contains(source, parent)) {
            EXPECT_EQ(copy, kNoNode) << "copy into its own subtree";
            return "copy refused";
        }
        EXPECT_NE(copy, kNoNode);
        Ref* made = ref_.insert(parent, index, Reference::clone(*source));
        adoptHandles(main_, copy, made);
        return "copy " + source->caption;
    }

    std::string copyBetween() {
        const bool toOther = chance(60) || other_.empty();
        MenuTree& from = toOther ? main_ : other_;
        MenuTree& to = toOther ? other_ : main_;
        Reference& fromRef = toOther ? ref_ : otherRef_;
        Reference& toRef = toOther ? otherRef_ : ref_;
        if (to.nodeCount() > 300) {
            to.clearTree();
            toRef.clear();
            return "clear destination";
        }
        Ref* source = randomNode(fromRef);
        if (!source || sizeOf(source) + to.nodeCount() > 600) {
            return "copy between skipped";
        }
        Ref* parent = randomParent(toRef);
        const auto [after, index] = randomPosition(parent);
        const NodeHandle copy = to.copySubtree(from, source->handle, parent->handle, after);
        EXPECT_NE(copy, kNoNode);
        Ref* made = toRef.insert(parent, index, Reference::clone(*source));
        adoptHandles(to, copy, made);
        return std::string("copy between ") + (toOther ? "to other" : "to main");
    }

    std::string move() {
        Ref* node = randomNode(ref_);
        if (!node) {
            return "move skipped";
        }
        NodeHandle argument = node->handle;
        if (ref_.selected && chance(25)) {
            node = ref_.selected;
            argument = kNoNode;
        }
        const bool up = chance(50);
        const NodeHandle copy = up ? main_.moveNodeUp(argument) : main_.moveNodeDown(argument);

        Ref* parent = node->parent;
        const size_t i = node->indexInParent();
        const size_t count = parent->children.size();
        bool moves;
        size_t target;
        if (up) {
            moves = !isMacSystemItem(node->kind) && !(node->kind == NodeKind::AppMenu && i == 0) &&
                    !(i > 0 && parent->children[i - 1]->kind == NodeKind::AppMenu);
            target = i == 0 ? 0 : i - 1;
        } else {
            moves = !isMacSystemItem(node->kind) && !(i + 1 < count && isMacSystemItem(parent->children[i + 1]->kind));
            target = i + 1 < count ? i + 2 : i + 1;
        }
        EXPECT_EQ(copy != kNoNode, moves) << (up ? "up " : "down ") << node->caption;
        if (copy == kNoNode || !moves) {
            return "move refused";
        }
        Ref* made = ref_.insert(parent, target, Reference::clone(*node));
        adoptHandles(main_, copy, made);
        ref_.remove(node);
        ref_.selected = made;
        return std::string(up ? "up " : "down ") + made->caption;
    }

    std::string remove() {
        Reference& ref = chance(85) ? ref_ : otherRef_;
        MenuTree& tree = &ref == &ref_ ? main_ : other_;
        Ref* node = randomNode(ref);
        if (!node) {
            EXPECT_FALSE(tree.deleteSubtree(kNoNode)) << "nothing to remove";
            return "remove nothing";
        }
        NodeHandle argument = node->handle;
        if (ref.selected && chance(25)) {
            node = ref.selected;
            argument = kNoNode;
        }
        EXPECT_TRUE(tree.deleteSubtree(argument));
        const std::string caption = node->caption;
        const NodeHandle removed = node->handle;
        ref.remove(node);
        EXPECT_FALSE(tree.deleteSubtree(removed)) << "removed twice";
        return "remove " + caption;
    }

    std::string select() {
        Ref* node = chance(10) ? nullptr : randomNode(ref_);
        EXPECT_TRUE(main_.selectNode(node ? node->handle : kNoNode));
        ref_.selected = node;
        if (chance(30)) {
            Ref* inOther = randomNode(otherRef_);
            other_.selectNode(inOther ? inOther->handle : kNoNode);
            otherRef_.selected = inOther;
        }
        return "select";
    }

    std::string removeBits() {
        Ref* node = chance(10) ? ref_.root() : randomNode(ref_);
        if (!node) {
            return "remove bits skipped";
        }
        const PlatformMask bits = static_cast<PlatformMask>(pick(8));
        const bool removeEmpty = chance(50);
        EXPECT_TRUE(main_.removePlatformsFromSubtree(node->handle, bits, removeEmpty));
        ref_.removeBits(node, bits, removeEmpty);
        return std::string("remove bits ").append(std::to_string(bits)).append(removeEmpty ? " with removal" : "");
    }

    static size_t sizeOf(const Ref* node) {
        size_t n = 1;
        for (const auto& child : node->children) {
            n += sizeOf(child.get());
        }
        return n;
    }

    void verifyTree(const MenuTree& tree, Reference& ref, const char* which, int step) {
        std::string problem;
        ASSERT_TRUE(tree.checkInvariants(&problem)) << which << " step " << step << " (" << last_ << "): " << problem;
        compare(tree, tree.firstTopLevel(), ref.root(), problem);
        ASSERT_TRUE(problem.empty()) << which << " step " << step << " (" << last_ << "): " << problem;
        ASSERT_EQ(tree.selected(), ref.selected ? ref.selected->handle : kNoNode)
            << which << " step " << step << " (" << last_ << ")";
        std::vector<Ref*> nodes;
        ref.all(nodes);
        ASSERT_EQ(tree.nodeCount(), nodes.size());
        for (Ref* r : nodes) {
            ASSERT_EQ(ref.dead.count(r->handle), 0u) << "a live node carries a removed node's handle";
        }
        // A sample of removed handles: none is valid.
        int checkedDead = 0;
        for (NodeHandle h : ref.dead) {
            ASSERT_FALSE(tree.isValid(h)) << which << " step " << step << ": stale handle " << h << " valid";
            if (++checkedDead == 64) {
                break;
            }
        }
    }

    void verify(int step) {
        verifyTree(main_, ref_, "main", step);
        verifyTree(other_, otherRef_, "other", step);
        ASSERT_EQ(mainMirror_.state(), treeState(main_)) << "step " << step << " (" << last_ << ")";
        ASSERT_TRUE(mainMirror_.problems().empty()) << mainMirror_.problems().front() << " at step " << step;
        ASSERT_FALSE(mainMirror_.inBatch());
        largest_ = std::max(largest_, main_.nodeCount());
    }

    std::mt19937 rng_;
    MenuTree main_;
    MenuTree other_;
    Reference ref_;
    Reference otherRef_;
    MirrorView mainMirror_;
    int counter_ = 0;
    size_t largest_ = 0;
    std::string last_;
};

class TreeRandomTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(TreeRandomTest, LongRunKeepsTreeReferenceAndViewInStep) {
    RandomRun run(GetParam());
    run.run(4000);
}

INSTANTIATE_TEST_SUITE_P(StartingValues, TreeRandomTest, ::testing::Values(1u, 77u, 2024u, 31337u));

}  // namespace
}  // namespace tessary
