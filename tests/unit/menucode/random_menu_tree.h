// Random MenuTrees for the round-trip tests.
//
// Loaded trees: trees of the shape the loader builds from text the writer
// accepts. Platform sets are 1, 2, 4, 6 or 7 at the top level; below a menu
// of a single block every child has the menu's set, below a menu for all
// platforms any of those five; in the application menu 2, 4 or 6, and its Mac
// system items 4. Captions are never empty where loading would fill in a
// default, menus and commands with useLocalCaption carry the lexicon's
// caption, shortcuts are the ones the code can express (a key other than
// F1-F12 always with a modifier; none at all in pop-up menus), and texts hold
// no double quote and no NUL. Such a tree is written and loaded back unchanged.
//
// Wild trees: any set from 0 to 7 on any node, captions that may be empty,
// local captions on nodes of other kinds, shortcuts without modifiers, menus
// with ids but no caption, application menus with any children. They keep the
// structure the editing commands keep: only menus hold children, a main
// menu's top level holds menus and at most one application menu (first), the
// Mac system items stand only in it, and no menu nests deeper than the reader
// follows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "menucode/code_generator.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"
#include "model/tree_test_support.h"

namespace tessary::codetree_test {

class RandomMenuTree {
public:
    RandomMenuTree(uint32_t run, MenuKind kind, bool wild) : random_(run), kind_(kind), wild_(wild) {}

    // Fills the (empty) tree with about `size` nodes.
    void build(MenuTree& tree, int size) {
        nodesLeft_ = size;
        levelsLeft_ = menuLevelsOf(kind_);
        // Now and then one chain of menus as deep as the reader follows.
        deepChain_ = chance(5);
        if (kind_ == MenuKind::MainMenu) {
            if (chance(50)) {
                addAppMenu(tree);
            }
            while (nodesLeft_ > 0 && chance(85)) {
                addMenu(tree, kRootNode, topSet(), levelsLeft_ - 1);
            }
            return;
        }
        while (nodesLeft_ > 0 && chance(85)) {
            addChild(tree, kRootNode, kPlatformAll, false, levelsLeft_);
        }
    }

private:
    bool chance(int percent) { return pick(100) < percent; }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    PlatformMask topSet() {
        static constexpr PlatformMask kSets[] = {1, 2, 4, 6, 7, 7, 7};
        return wild_ && chance(15) ? static_cast<PlatformMask>(pick(8)) : kSets[pick(7)];
    }

    // The set of a child of a menu whose set is parentSet.
    PlatformMask childSet(PlatformMask parentSet, bool inAppMenu) {
        if (wild_ && chance(10)) {
            return static_cast<PlatformMask>(pick(8));
        }
        if (inAppMenu) {
            static constexpr PlatformMask kMacSets[] = {2, 4, 6, 6};
            return kMacSets[pick(4)];
        }
        return parentSet == kPlatformAll ? topSet() : parentSet;
    }

    // Any bytes but the double quote and NUL, with the characters and words
    // that mean something to the reader mixed in.
    std::string text(bool mayBeEmpty) {
        static const char* const kPieces[] = {
            "File", "Open",    " ",       "\t",   ",",       "(",           ")",         "{",    "}",
            "+",    "#IF_WIN", "#END_IF", "\r\n", "FM_MENU", "String:",     "Disabled",  "CTRL", "\\",
            "'",    "\xE9",    "\x80",    "\xFF", "\x01",    "-Separator-", "-unnamed-",
        };
        if (chance(3)) {
            std::string longText;
            const size_t length = kMaxTextLength - static_cast<size_t>(pick(3));
            while (longText.size() < length) {
                longText += static_cast<char>('a' + pick(26));
            }
            return longText;
        }
        std::string out;
        const int pieces = mayBeEmpty ? pick(5) : 1 + pick(4);
        for (int i = 0; i < pieces; ++i) {
            if (chance(50)) {
                out += kPieces[pick(static_cast<int>(std::size(kPieces)))];
            } else {
                char c;
                do {
                    c = static_cast<char>(1 + pick(255));
                } while (c == '"');
                out += c;
            }
        }
        return out.substr(0, kMaxTextLength);
    }

    uint16_t shortcut() {
        if (chance(40) || (kind_ == MenuKind::PopupMenu && !wild_)) {
            return 0;
        }
        static constexpr uint8_t kOtherKeys[] = {'A', 'Z', 'Q', '0', '9', 32,  186, 187, 188, 189,
                                                 190, 191, 192, 219, 220, 221, 222, 37,  38,  39,
                                                 40,  33,  34,  36,  35,  27,  13,  46,  8};
        const bool functionKey = chance(30);
        const uint8_t key = functionKey ? static_cast<uint8_t>(112 + pick(12))
                                        : kOtherKeys[pick(static_cast<int>(std::size(kOtherKeys)))];
        int mods = pick(4);
        if (!functionKey && mods == 0 && !wild_) {
            mods = 1 + pick(3);
        }
        return static_cast<uint16_t>(key | ((mods & 1) ? 0x0200 : 0) | ((mods & 2) ? 0x0400 : 0));
    }

    uint8_t flag() { return static_cast<uint8_t>(pick(2)); }

    void addAppMenu(MenuTree& tree) {
        --nodesLeft_;
        const NodeHandle app = addNode(tree, kRootNode, {text(true), NodeKind::AppMenu, kPlatformMac});
        const int children = pick(6);
        for (int i = 0; i < children && nodesLeft_ > 0; ++i) {
            addChild(tree, app, kPlatformMac, true, levelsLeft_ - 1);
        }
        if (chance(50)) {
            addMacItem(tree, app, NodeKind::MacPreferencesItem);
        }
        if (chance(50)) {
            addMacItem(tree, app, NodeKind::MacQuitItem);
        }
    }

    void addMacItem(MenuTree& tree, NodeHandle app, NodeKind kind) {
        --nodesLeft_;
        const PlatformMask set = wild_ ? static_cast<PlatformMask>(pick(8)) : kPlatformMacX;
        addNode(tree, app,
                {.caption = text(wild_),
                 .kind = kind,
                 .platforms = set,
                 .shortcut = wild_ ? shortcut() : uint16_t{0},
                 .useLocalCaption = wild_ ? flag() : uint8_t{0},
                 .enabled = flag(),
                 .checkOn = wild_ ? flag() : uint8_t{0},
                 .scriptName = text(true),
                 .userString = wild_ ? text(true) : std::string()});
    }

    // A menu with its children. levels: how many more menus may nest below it.
    void addMenu(MenuTree& tree, NodeHandle parent, PlatformMask set, int levels) {
        --nodesLeft_;
        uint32_t fmId = chance(50) ? 0 : static_cast<uint32_t>(1 + pick(kFmMenuCount));
        uint8_t local = 0;
        std::string caption;
        if (fmId != 0 && chance(50)) {
            std::string_view english;
            LookupFmMenuCaption(fmId, english);
            caption = english;
            local = 1;
        } else {
            // A menu with an id and an empty caption of its own is read back
            // with the lexicon's caption; only wild trees hold it.
            caption = text(wild_ || fmId == 0);
        }
        if (wild_ && chance(10)) {
            local = flag();
        }
        const NodeHandle menu = addNode(
            tree, parent,
            {.caption = caption, .kind = NodeKind::Menu, .platforms = set, .fmId = fmId, .useLocalCaption = local});
        if (deepChain_ && levels > 0) {
            deepChain_ = levels > 1;
            addMenu(tree, menu, childSet(set, false), levels - 1);
        }
        const int children = pick(7);
        for (int i = 0; i < children && nodesLeft_ > 0; ++i) {
            addChild(tree, menu, set, false, levels);
        }
    }

    void addChild(MenuTree& tree, NodeHandle parent, PlatformMask parentSet, bool inAppMenu, int levels) {
        const PlatformMask set = childSet(parentSet, inAppMenu);
        const int roll = pick(100);
        if (roll < 20 && levels > 0 && nodesLeft_ > 1) {
            addMenu(tree, parent, set, levels - 1);
            return;
        }
        --nodesLeft_;
        if (roll < 30) {
            addNode(tree, parent, {"-Separator-", NodeKind::Separator, set});
            return;
        }
        if (roll < 65) {
            const FmTableRow& row = FmCommandRow(pick(kFmCommandCount));
            const bool local = chance(50);
            const std::string caption = local ? std::string(row.caption) : text(wild_);
            addNode(tree, parent,
                    {.caption = caption,
                     .kind = NodeKind::FmItem,
                     .platforms = set,
                     .shortcut = shortcut(),
                     .fmId = row.id,
                     .useLocalCaption = static_cast<uint8_t>(local ? 1 : 0),
                     .enabled = flag(),
                     .checkOn = wild_ ? flag() : uint8_t{0},
                     .userString = chance(50) ? text(true) : std::string()});
            return;
        }
        addNode(tree, parent,
                {.caption = text(wild_),
                 .kind = NodeKind::ScriptItem,
                 .platforms = set,
                 .shortcut = shortcut(),
                 .useLocalCaption = wild_ ? flag() : uint8_t{0},
                 .enabled = flag(),
                 .checkOn = flag(),
                 .scriptName = text(true),
                 .userString = chance(50) ? text(true) : std::string()});
    }

    std::mt19937 random_;
    MenuKind kind_;
    bool wild_;
    int nodesLeft_ = 0;
    int levelsLeft_ = 0;
    bool deepChain_ = false;
};

}  // namespace tessary::codetree_test
