#include "editor/tree_editing.h"

#include <gtest/gtest.h>

#include <string>

#include "menucode/code_tree.h"
#include "model/tree_flatten.h"

namespace tessary {
namespace {

constexpr unsigned kDetail = kFlattenPlatforms;

// File[Open,More[Deep (Mac only)]],Win (Windows only)[W], then a top-level
// separator outside a menu bar.
const char* kBody =
    "\tFM_MENU ( \"File\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Open\", \"Open\" )\r\n"
    "\t\tFM_MENU ( \"More\" )\r\n\t\t{\r\n#IF_MAC\r\n\t\t\tFM_MENUSCRIPTITEM ( \"Deep\", \"Deep\" )\r\n#END_IF\r\n"
    "\t\t}\r\n\t}\r\n#IF_WIN\r\n\tFM_MENU ( \"Win\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"W\", \"W\" )\r\n\t}\r\n"
    "#END_IF\r\n";
const std::string kContextCode =
    "FM_CONTEXTMENU ( )\r\n{\r\n" + std::string(kBody) + "\tFM_MENUITEMSEPARATOR ()\r\n}\r\n";
const std::string kPopupCode = "FM_POPUPMENU ( )\r\n{\r\n" + std::string(kBody) + "\tFM_MENUITEMSEPARATOR ()\r\n}\r\n";
const std::string kBarCode = "FM_MENUBAR ()\r\n{\r\n" + std::string(kBody) + "}\r\n";

const char* kMainCode =
    "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"App\" )\r\n\t{\r\n\t\tFM_MACPREFERENCES ( \"Prefs\", \"Prefs\" )\r\n"
    "\t\tFM_MACQUITITEM ( \"Quit\", \"Quit\" )\r\n\t}\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Open\", \"Open\" )\r\n\t\tFM_MENU ( \"More\" )\r\n\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n";

NodeHandle find(const MenuTree& tree, std::string_view caption, NodeHandle from = kRootNode) {
    for (NodeHandle n = tree.firstChild(from); n != kNoNode; n = tree.nextSibling(n)) {
        if (tree.caption(n) == caption) {
            return n;
        }
        if (NodeHandle below = find(tree, caption, n); below != kNoNode) {
            return below;
        }
    }
    return kNoNode;
}

struct Fixture {
    Fixture(const std::string& code, MenuKind kind) : kind(kind) {
        EXPECT_EQ(LoadCodeIntoTree(tree, code, kind), LoadResult::accepted());
    }
    // "Menu" for a menu target, "top" for the top level, "-" for none.
    std::string target(std::string_view selected, std::string_view clip) {
        tree.selectNode(selected.empty() ? kNoNode : find(tree, selected));
        NodeClipboard clipboard;
        clipboard.take(tree, find(tree, clip), NodeClipboard::Mode::Copy);
        const auto at = pasteTarget(tree, clipboard, kind);
        if (!at) {
            return "-";
        }
        return *at == kRootNode ? "top" : tree.caption(*at);
    }
    MenuTree tree;
    MenuKind kind;
};

TEST(PasteTarget, FollowsTheSelectionInEveryMenuKind) {
    struct Case {
        const char* selected;
        const char* clip;
        const char* context;  // the same in pop-up menus
        const char* main;
    } cases[] = {
        {"File", "Open", "File", "File"}, {"Open", "Deep", "File", "File"},
        {"Deep", "Open", "More", "More"}, {"-Separator-", "Open", "-", "-"},  // a top-level item selected
        {"", "Open", "top", "-"},                                             // a menu bar's top level takes menus only
        {"", "More", "top", "top"},       {"More", "File", "-", "-"},         // inside the clipboard's own node
        {"File", "File", "-", "-"},       {"Win", "More", "-", "-"},          // Deep would be left on no platform
        {"Win", "Open", "Win", "Win"},
    };
    for (const Case& c : cases) {
        Fixture context(kContextCode, MenuKind::ContextMenu);
        Fixture popup(kPopupCode, MenuKind::PopupMenu);
        Fixture bar(kBarCode, MenuKind::MainMenu);
        EXPECT_EQ(context.target(c.selected, c.clip), c.context) << c.selected << " " << c.clip;
        EXPECT_EQ(popup.target(c.selected, c.clip), c.context) << c.selected << " " << c.clip;
        if (std::string(c.selected) != "-Separator-") {  // a menu bar has none at its top level
            EXPECT_EQ(bar.target(c.selected, c.clip), c.main) << c.selected << " " << c.clip;
        }
    }
}

TEST(PasteNode, CutMovesOnceCopyStaysAndAStaleNodeIsNeverRead) {
    Fixture f(kContextCode, MenuKind::ContextMenu);
    NodeClipboard clipboard;
    ASSERT_TRUE(clipboard.take(f.tree, find(f.tree, "Open"), NodeClipboard::Mode::Copy));
    pasteNode(f.tree, clipboard, find(f.tree, "Win"));
    pasteNode(f.tree, clipboard, find(f.tree, "Win"));
    EXPECT_TRUE(clipboard.holdsNode(f.tree));
    // Pasted into a Windows-only menu, the copies are cut to Windows.
    EXPECT_EQ(flattenSubtree(f.tree, find(f.tree, "Win"), kDetail), "Win{1}[W{1},Open{1},Open{1}]");

    ASSERT_TRUE(clipboard.take(f.tree, find(f.tree, "Deep"), NodeClipboard::Mode::Cut));
    EXPECT_NE(pasteNode(f.tree, clipboard, find(f.tree, "File")), kNoNode);
    EXPECT_FALSE(clipboard.holdsNode(f.tree));
    EXPECT_EQ(flattenSubtree(f.tree, find(f.tree, "File")), "File[Open,More,Deep]");

    // A node re-created by a move leaves the clipboard stale: Paste reads nothing.
    ASSERT_TRUE(clipboard.take(f.tree, find(f.tree, "Deep"), NodeClipboard::Mode::Copy));
    f.tree.moveNodeUp(find(f.tree, "Deep"));
    EXPECT_FALSE(clipboard.holdsNode(f.tree));
    EXPECT_EQ(pasteNode(f.tree, clipboard, find(f.tree, "File")), kNoNode);
    EXPECT_FALSE(clipboard.take(f.tree, kNoNode, NodeClipboard::Mode::Copy));
}

TEST(Drop, AcceptsMenusItemsMenusAndEmptySpaceButNotItsOwnSubtree) {
    Fixture f(kMainCode, MenuKind::MainMenu);
    const NodeHandle file = find(f.tree, "File");
    const NodeHandle open = find(f.tree, "Open");
    const NodeHandle more = find(f.tree, "More");
    auto target = [&](NodeHandle dragged, NodeHandle under) {
        const DropPlace place = dropPlaceUnder(f.tree, dragged, under);
        if (!place.accepts) {
            return std::string("refused");
        }
        const bool done = dropCarriedOut(f.tree, f.kind, dragged, place, true);
        return (place.target == kRootNode ? std::string("top") : f.tree.caption(place.target)) +
               (done ? "" : " (not carried out)");
    };
    EXPECT_EQ(target(open, more), "More");
    EXPECT_EQ(target(more, open), "File");     // over an item: its menu
    EXPECT_EQ(target(file, more), "refused");  // its own submenu
    EXPECT_EQ(target(file, file), "refused");
    EXPECT_EQ(target(open, kNoNode), "top (not carried out)");  // a menu bar takes no items
    EXPECT_EQ(target(more, kNoNode), "top");
    EXPECT_FALSE(dropCarriedOut(f.tree, f.kind, open, dropPlaceUnder(f.tree, open, more), false));

    // Into the application menu: before the Preferences item, cut to the Mac platforms.
    const NodeHandle copy = dropNode(f.tree, open, find(f.tree, "App"), true);
    ASSERT_NE(copy, kNoNode);
    EXPECT_EQ(flattenTree(f.tree, kDetail), "App{6}[Open{6},Prefs{4},Quit{4}],File{7}[More{7}]");
    f.tree.deleteSubtree(find(f.tree, "Prefs"));
    dropNode(f.tree, find(f.tree, "More"), find(f.tree, "App"), false);
    EXPECT_EQ(flattenTree(f.tree, kDetail), "App{6}[Open{6},More{6},Quit{4}],File{7}[More{7}]");
}

}  // namespace
}  // namespace tessary
