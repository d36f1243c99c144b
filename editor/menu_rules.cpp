#include "editor/menu_rules.h"

#include <unordered_map>

#include "model/menu_tree.h"

namespace tessary {

namespace {

// Calls visit(node) for every node in tree order.
template <typename Visit>
void forEachNode(const MenuTree& tree, Visit visit) {
    NodeHandle node = tree.firstTopLevel();
    while (node != kNoNode) {
        visit(node);
        NodeHandle next = tree.firstChild(node);
        while (next == kNoNode && node != kNoNode) {
            next = tree.nextSibling(node);
            if (next == kNoNode) {
                const NodeHandle up = tree.parent(node);
                node = up == kRootNode ? kNoNode : up;
            }
        }
        node = next;
    }
}

bool takesShortcut(NodeKind kind) {
    return kind == NodeKind::ScriptItem || kind == NodeKind::FmItem;
}

}  // namespace

bool isMacSystemItem(NodeKind kind) {
    return kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem;
}

std::vector<NodeHandle> nodesInTreeOrder(const MenuTree& tree) {
    std::vector<NodeHandle> nodes;
    nodes.reserve(tree.nodeCount());
    forEachNode(tree, [&](NodeHandle node) { nodes.push_back(node); });
    return nodes;
}

NodeHandle findShortcutClash(const MenuTree& tree, uint16_t shortcut, NodeHandle except) {
    if (shortcut == 0) {
        return kNoNode;
    }
    NodeHandle clash = kNoNode;
    forEachNode(tree, [&](NodeHandle node) {
        if (clash == kNoNode && node != except && tree.getKind(node) == NodeKind::ScriptItem &&
            tree.getShortcut(node) == shortcut) {
            clash = node;
        }
    });
    return clash;
}

std::vector<ShortcutClash> findShortcutClashes(const MenuTree& tree) {
    std::vector<ShortcutClash> clashes;
    std::unordered_map<uint16_t, NodeHandle> firstScript;
    std::unordered_map<uint16_t, NodeHandle> firstFmItem;
    forEachNode(tree, [&](NodeHandle node) {
        const NodeKind kind = tree.getKind(node);
        const uint16_t shortcut = tree.getShortcut(node);
        if (!takesShortcut(kind) || shortcut == 0) {
            return;
        }
        const auto script = firstScript.find(shortcut);
        const auto fmItem = firstFmItem.find(shortcut);
        if (script != firstScript.end()) {
            clashes.push_back({node, script->second});
        } else if (kind == NodeKind::ScriptItem && fmItem != firstFmItem.end()) {
            clashes.push_back({node, fmItem->second});
        }
        (kind == NodeKind::ScriptItem ? firstScript : firstFmItem).try_emplace(shortcut, node);
    });
    return clashes;
}

PlatformFit platformFit(PlatformMask set, PlatformMask parentSet, bool parentIsAppMenu) {
    if ((set & parentSet) == 0) {
        return PlatformFit::NoPlatform;
    }
    if ((set & ~parentSet) != 0) {
        return PlatformFit::Wider;
    }
    if (set == (kPlatformWindows | kPlatformMacClassic) || set == (kPlatformWindows | kPlatformMacX)) {
        return PlatformFit::Unwritable;
    }
    if (parentSet != kPlatformAll && set != parentSet &&
        !(parentIsAppMenu && (set == kPlatformMacClassic || set == kPlatformMacX))) {
        return PlatformFit::Unwritable;
    }
    return PlatformFit::Fits;
}

PlatformMask fittingPlatforms(PlatformMask set, PlatformMask parentSet, bool parentIsAppMenu) {
    if (parentIsAppMenu) {
        parentSet = kPlatformMac;
    }
    if (platformFit(set, parentSet, parentIsAppMenu) == PlatformFit::Fits) {
        return set;
    }
    if (platformFit(set & parentSet, parentSet, parentIsAppMenu) == PlatformFit::Fits) {
        return set & parentSet;
    }
    return parentSet;
}

std::vector<PlatformProblem> findPlatformProblems(const MenuTree& tree) {
    std::vector<PlatformProblem> problems;
    forEachNode(tree, [&](NodeHandle node) {
        if (isMacSystemItem(tree.getKind(node))) {
            return;
        }
        const NodeHandle parent = tree.parent(node);
        const PlatformFit fit = platformFit(tree.getPlatforms(node), tree.getPlatforms(parent), tree.isAppMenu(parent));
        if (fit != PlatformFit::Fits) {
            problems.push_back({node, fit});
        }
    });
    return problems;
}

std::vector<MacItemProblem> findMacItemProblems(const MenuTree& tree) {
    std::vector<MacItemProblem> problems;
    NodeHandle firstQuit = kNoNode;
    NodeHandle firstPreferences = kNoNode;
    forEachNode(tree, [&](NodeHandle node) {
        const NodeKind kind = tree.getKind(node);
        if (!isMacSystemItem(kind)) {
            return;
        }
        if (!tree.isAppMenu(tree.parent(node))) {
            problems.push_back({node, MacItemPlacement::OutsideAppMenu, kNoNode});
        }
        NodeHandle& first = kind == NodeKind::MacQuitItem ? firstQuit : firstPreferences;
        if (first != kNoNode) {
            problems.push_back({node, MacItemPlacement::Second, first});
        } else {
            first = node;
        }
    });
    return problems;
}

NodeHandle findOtherMacSystemItem(const MenuTree& tree, NodeKind kind, NodeHandle except) {
    NodeHandle found = kNoNode;
    forEachNode(tree, [&](NodeHandle node) {
        if (found == kNoNode && node != except && tree.getKind(node) == kind) {
            found = node;
        }
    });
    return found;
}

std::vector<NodeHandle> findMisplacedAppMenus(const MenuTree& tree, MenuKind kind) {
    std::vector<NodeHandle> misplaced;
    forEachNode(tree, [&](NodeHandle node) {
        if (tree.getKind(node) == NodeKind::AppMenu && (kind != MenuKind::MainMenu || node != tree.firstTopLevel())) {
            misplaced.push_back(node);
        }
    });
    return misplaced;
}

}  // namespace tessary
