// Rules that a sound menu keeps, as plain functions over a MenuTree. The
// property dialogs check a change against them before they make it, and
// tessary-cli lint reports every node of a document that breaks one; both call
// these functions, so a rule has one definition.
#pragma once

#include <cstdint>
#include <vector>

#include "model/menu_item_record.h"
#include "model/node_handle.h"

namespace tessary {

class MenuTree;

// Every node of the tree in tree order: a node, then its children's subtrees
// in order, then its next sibling.
std::vector<NodeHandle> nodesInTreeOrder(const MenuTree& tree);

// ---- Shortcuts ----

// The first ScriptItem in tree order, other than `except`, whose shortcut is
// `shortcut` (key and modifiers); kNoNode when there is none or shortcut is 0.
// A dialog that gives node N this shortcut passes N as `except`: the node
// never clashes with itself, and a clash with any other ScriptItem is found,
// also one that comes after N. Only ScriptItems are searched, whatever kind
// of node the shortcut is for; two FmItems may share a shortcut.
NodeHandle findShortcutClash(const MenuTree& tree, uint16_t shortcut, NodeHandle except = kNoNode);

struct ShortcutClash {
    NodeHandle node;   // the ScriptItem or FmItem that clashes
    NodeHandle other;  // the earlier node it clashes with
};
// Every ScriptItem or FmItem whose shortcut a node before it in tree order
// already uses, where at least one of the two is a ScriptItem (the clashes
// that findShortcutClash would refuse). Each node is named once, with the
// first earlier ScriptItem it clashes with, else the first earlier FmItem.
std::vector<ShortcutClash> findShortcutClashes(const MenuTree& tree);

// ---- Platforms ----

enum class PlatformFit {
    Fits,
    NoPlatform,  // the set, or its overlap with the parent's, is empty: the node shows nowhere
    Wider,       // the set holds platforms its parent lacks; the node cannot show there
    Unwritable,  // menu code has no block for the set below this parent (see below)
};

// Whether a node's platform set fits below a parent with `parentSet`.
// Menu code marks platforms with blocks that do not nest, so below a parent
// that is not for all platforms every node has exactly the parent's set; the
// application menu also takes either Mac platform alone. Sets 3 and 5
// (Windows with one Mac platform) have no block at all.
PlatformFit platformFit(PlatformMask set, PlatformMask parentSet, bool parentIsAppMenu);
// The set itself when it fits below the parent, else its part that the parent
// holds when that fits, else the parent's own set (both Mac platforms for the
// application menu).
PlatformMask fittingPlatforms(PlatformMask set, PlatformMask parentSet, bool parentIsAppMenu);

struct PlatformProblem {
    NodeHandle node;
    PlatformFit fit;  // never Fits
};
// Every node whose stored set does not fit below its parent (the top level is
// for all platforms), in tree order. Mac system items are left out: they are
// always for MacOS X, whatever their record holds.
std::vector<PlatformProblem> findPlatformProblems(const MenuTree& tree);

// ---- Mac system items and the application menu ----

// MacQuitItem and MacPreferencesItem.
bool isMacSystemItem(NodeKind kind);

enum class MacItemPlacement {
    OutsideAppMenu,  // its parent is not an AppMenu
    Second,          // an earlier node of the same kind exists
};
struct MacItemProblem {
    NodeHandle node;
    MacItemPlacement placement;
    NodeHandle first;  // for Second: the earlier node of the kind
};
// Every MacQuitItem and MacPreferencesItem that does not stand directly in an
// AppMenu, or that follows another of its kind, in tree order. A node that is
// both is named twice.
std::vector<MacItemProblem> findMacItemProblems(const MenuTree& tree);

// The MacQuitItem or MacPreferencesItem (by `kind`) of the tree other than
// `except`, anywhere in the tree; kNoNode when there is none. The Mac System
// Item list of a dialog editing node N greys the entry of a kind for which
// this finds a node with N as `except`.
NodeHandle findOtherMacSystemItem(const MenuTree& tree, NodeKind kind, NodeHandle except = kNoNode);

// Every AppMenu that does not stand first at the top level of a main menu, in
// tree order: in a context or pop-up menu every AppMenu; in a main menu a
// nested one, one after another top-level node, and any second one.
std::vector<NodeHandle> findMisplacedAppMenus(const MenuTree& tree, MenuKind kind);

}  // namespace tessary
