// Generating menu code from a MenuTree: what the walk hands the writer for
// each kind of node, the exact text of small trees, the buffer rules and the
// trees that cannot be written.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "code_tree_test_support.h"
#include "menucode/code_generator.h"
#include "menucode/conversion_hooks.h"
#include "menucode/parser.h"
#include "menucode/writer.h"
#include "model/lexicon.h"

namespace tessary {
namespace {

using codetree_test::codeLines;
using codetree_test::generated;
using codetree_test::kSmallMainMenuCode;

std::string describe(const std::optional<std::string_view>& text) {
    if (!text) {
        return "none";
    }
    std::string quoted(1, '"');
    quoted += *text;
    quoted += '"';
    return quoted;
}

// A writer that writes nothing: it logs every call the walk makes and refuses
// the call numbered refuseAt (counting from 1).
class RecordingWriter : public FM_Builder {
public:
    explicit RecordingWriter(int refuseAt = 0) : refuseAt_(refuseAt) {}

    bool OpenMenuBar() override { return answer("OpenMenuBar"); }
    bool OpenMenu(const MenuSpec& menuSpec) override {
        return answer("OpenMenu platforms=" + std::to_string(menuSpec.platforms) +
                      " caption=" + describe(menuSpec.caption) + " fmMenuId=" + std::to_string(menuSpec.fmMenuId));
    }
    bool AddMenuItem(const ItemSpec& s) override {
        return answer("AddMenuItem platforms=" + std::to_string(s.platforms) +
                      " kind=" + std::to_string(static_cast<int>(s.kind)) + " caption=" + describe(s.caption) +
                      " mods=" + std::to_string(s.modifiers) + " key=" + std::to_string(s.key) +
                      " enabled=" + std::to_string(s.enabled) + " user=" + describe(s.userString) +
                      " command=" + std::to_string(s.commandId) + " script=" + describe(s.scriptName) +
                      " check=" + std::to_string(s.checkOn));
    }
    bool OpenAppMenu(std::string_view name) override { return answer("OpenAppMenu \"" + std::string(name) + "\""); }
    bool CloseMenu() override { return answer("CloseMenu"); }

    std::vector<std::string> calls;

protected:
    bool WriteCode() override { return false; }

private:
    bool answer(std::string call) {
        calls.push_back(std::move(call));
        return static_cast<int>(calls.size()) != refuseAt_;
    }
    int refuseAt_;
};

NodeHandle add(MenuTree& tree, NodeHandle parent, const NodeValues& values) {
    const NodeHandle node = addNode(tree, parent, values);
    EXPECT_NE(node, kNoNode) << values.caption;
    return node;
}

// One node of every kind, with record values a kind does not use filled in
// to show they are not passed on.
TEST(WalkNodes, WhatEachKindPasses) {
    MenuTree tree;
    const NodeHandle app = add(tree, kRootNode, {"App", NodeKind::AppMenu, 6});
    add(tree, app, {"Quit", NodeKind::MacQuitItem, 1, 0, 9, 1, 0, 1, "QuitScript", "qu"});
    add(tree, app, {"Prefs", NodeKind::MacPreferencesItem, 7, 0, 0, 0, 1, 0, "PrefScript"});
    const NodeHandle file = add(tree, kRootNode, {"File", NodeKind::Menu, 7, 0, 1, 1});
    add(tree, file, {"Open...", NodeKind::FmItem, 7, 0x0200 | 'O', 2, 1, 1, 1, "ignored", "u1"});
    add(tree, file, {"Mine", NodeKind::FmItem, 1, 0x0400 | 116, 4, 0, 0});
    add(tree, file, {"Print", NodeKind::ScriptItem, 6, 0x0600 | 13, 0, 1, 1, 1, "PrintScript", "u2"});
    add(tree, file, {"-Separator-", NodeKind::Separator, 2, 0x0241, 5, 1, 0, 1, "x", "y"});
    const NodeHandle own = add(tree, kRootNode, {"Own", NodeKind::Menu, 1, 0, 5, 0});
    add(tree, own, {"Plain", NodeKind::ScriptItem, 1, 0, 0, 0, 1, 0, "", ""});

    RecordingWriter writer;
    EXPECT_TRUE(WalkNodes(tree, tree.firstTopLevel(), writer, kMaxMenuDepth));
    const std::vector<std::string> expected = {
        "OpenAppMenu \"App\"",
        "AddMenuItem platforms=4 kind=4 caption=\"Quit\" mods=0 key=0 enabled=0 user=\"qu\" command=0 "
        "script=\"QuitScript\" check=0",
        "AddMenuItem platforms=4 kind=5 caption=\"Prefs\" mods=0 key=0 enabled=1 user=\"\" command=0 "
        "script=\"PrefScript\" check=0",
        "CloseMenu",
        "OpenMenu platforms=7 caption=none fmMenuId=1",
        "AddMenuItem platforms=7 kind=1 caption=none mods=1 key=79 enabled=1 user=\"u1\" command=2 script=none check=0",
        "AddMenuItem platforms=1 kind=1 caption=\"Mine\" mods=2 key=-18 enabled=0 user=\"\" command=4 script=none "
        "check=0",
        "AddMenuItem platforms=6 kind=2 caption=\"Print\" mods=3 key=-10 enabled=1 user=\"u2\" command=0 "
        "script=\"PrintScript\" check=1",
        "AddMenuItem platforms=2 kind=3 caption=none mods=0 key=0 enabled=1 user=none command=0 script=none check=0",
        "CloseMenu",
        "OpenMenu platforms=1 caption=\"Own\" fmMenuId=5",
        "AddMenuItem platforms=1 kind=2 caption=\"Plain\" mods=0 key=0 enabled=1 user=\"\" command=0 script=\"\" "
        "check=0",
        "CloseMenu",
    };
    EXPECT_EQ(writer.calls, expected);
}

// The walk ends at the first refusal, at any depth, and closes nothing.
TEST(WalkNodes, StopsAtTheFirstRefusal) {
    MenuTree tree;
    const NodeHandle a = add(tree, kRootNode, {"A", NodeKind::Menu, 7});
    const NodeHandle b = add(tree, a, {"B", NodeKind::Menu, 7});
    add(tree, b, {"one", NodeKind::ScriptItem, 7});
    add(tree, b, {"two", NodeKind::ScriptItem, 7});
    add(tree, kRootNode, {"C", NodeKind::Menu, 7});
    for (int refuseAt = 1; refuseAt <= 8; ++refuseAt) {
        RecordingWriter writer(refuseAt);
        EXPECT_FALSE(WalkNodes(tree, tree.firstTopLevel(), writer, kMaxMenuDepth)) << refuseAt;
        EXPECT_EQ(static_cast<int>(writer.calls.size()), refuseAt);
    }
    RecordingWriter all;
    EXPECT_TRUE(WalkNodes(tree, tree.firstTopLevel(), all, kMaxMenuDepth));
    EXPECT_EQ(all.calls.size(), 8u);
}

// Script names and user strings of every length the record holds reach the
// writer whole, up to their NUL.
TEST(WalkNodes, RecordTextsOfEveryLength) {
    MenuTree tree;
    std::vector<std::string> expected;
    for (size_t length = 0; length <= kMaxTextLength; ++length) {
        const std::string scriptName(length, static_cast<char>('a' + length % 26));
        const std::string userString(kMaxTextLength - length, static_cast<char>('A' + length % 26));
        add(tree, kRootNode, {"s", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0, scriptName, userString});
        expected.push_back("AddMenuItem platforms=7 kind=2 caption=\"s\" mods=0 key=0 enabled=1 user=" +
                           describe(userString) + " command=0 script=" + describe(scriptName) + " check=0");
    }
    RecordingWriter writer;
    EXPECT_TRUE(WalkNodes(tree, tree.firstTopLevel(), writer, kMaxMenuDepth));
    EXPECT_EQ(writer.calls, expected);
}

struct TextCase {
    const char* name;
    MenuKind kind;
    void (*build)(MenuTree&);
    std::string text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class GeneratedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(GeneratedText, IsExact) {
    const TextCase& c = GetParam();
    MenuTree tree;
    c.build(tree);
    std::vector<char> buffer(kDocumentBufferSize, 'Z');
    ASSERT_TRUE(GenerateMenuCode(tree, c.kind, buffer.data(), buffer.size()));
    EXPECT_EQ(std::string(buffer.data()), c.text);
    EXPECT_EQ(generated(tree, c.kind), c.text);
}

void emptyTree(MenuTree&) {}

// The small main menu of the language description: an application menu with
// the preferences item, a File menu with a local-caption command, a separator
// and a script item with Ctrl+P, and a Windows-only menu.
void smallMainMenu(MenuTree& tree) {
    const NodeHandle app = add(tree, kRootNode, {"FileMaker Pro", NodeKind::AppMenu, 6});
    add(tree, app, {"Preferences...", NodeKind::MacPreferencesItem, 4, 0, 0, 0, 1, 0, "Preferences"});
    const NodeHandle file = add(tree, kRootNode, {"File", NodeKind::Menu, 7, 0, 1, 0});
    add(tree, file, {"Open...", NodeKind::FmItem, 7, 0, 2, 1});
    add(tree, file, {"-Separator-", NodeKind::Separator, 7});
    add(tree, file, {"Print One", NodeKind::ScriptItem, 7, 0x0250, 0, 0, 1, 1, "Print", "Print"});
    const NodeHandle tools = add(tree, kRootNode, {"Tools", NodeKind::Menu, 1});
    add(tree, tools, {"Sharing...", NodeKind::ScriptItem, 1, 0, 0, 0, 0, 0, "Sharing"});
}

void localCaptionMenu(MenuTree& tree) {
    // The caption shown in the tree is not written: FileMaker shows its own.
    const NodeHandle edit = add(tree, kRootNode, {"Edit", NodeKind::Menu, 7, 0, 5, 1});
    add(tree, edit, {"Kept", NodeKind::ScriptItem, 7, 0, 0, 1, 1, 0, "s"});
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    GeneratedText,
    ::testing::Values(TextCase{"EmptyMainMenu", MenuKind::MainMenu, emptyTree, codeLines({"FM_MENUBAR ()", "{", "}"})},
                      TextCase{"EmptyContextMenu", MenuKind::ContextMenu, emptyTree,
                               codeLines({"FM_CONTEXTMENU ( )", "{", "}"})},
                      TextCase{"SmallMainMenu", MenuKind::MainMenu, smallMainMenu, kSmallMainMenuCode},
                      TextCase{"LocalCaptionMenu", MenuKind::MainMenu, localCaptionMenu,
                               codeLines({"FM_MENUBAR ()", "{", "\tFM_MENU ( FM_MENU_EDIT )", "\t{",
                                          "\t\tFM_MENUSCRIPTITEM ( \"Kept\", \"s\" )", "\t}", "}"})}));

// The text and its NUL must fit; when they do not, the buffer is not touched.
TEST(GenerateMenuCode, CapacityRule) {
    MenuTree tree;
    smallMainMenu(tree);
    const size_t length = kSmallMainMenuCode.size();
    for (size_t capacity : {length - 1, length, length + 1, length + 2}) {
        std::vector<char> buffer(length + 8, 'Z');
        const bool fits = capacity >= length + 1;
        EXPECT_EQ(GenerateMenuCode(tree, MenuKind::MainMenu, buffer.data(), capacity), fits) << capacity;
        if (fits) {
            EXPECT_EQ(std::string(buffer.data()), kSmallMainMenuCode);
        } else {
            EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(length + 8, 'Z')) << capacity;
        }
    }
    EXPECT_FALSE(GenerateMenuCode(tree, MenuKind::MainMenu, nullptr, 1000));
}

// A refused node makes generation fail, with the buffer untouched. Also at the
// top level, where the text before the node could be written: that text lacks
// the node and everything after it, and must not pass for the whole menu.
TEST(GenerateMenuCode, RefusedNodesDeliverNothing) {
    struct Case {
        const char* name;
        MenuKind kind;
        void (*build)(MenuTree&);
    };
    const Case cases[] = {
        {"ClassicItemInMacMenu", MenuKind::MainMenu,
         [](MenuTree& tree) {
             const NodeHandle mac = add(tree, kRootNode, {"Mac", NodeKind::Menu, 6});
             add(tree, mac, {"Classic", NodeKind::ScriptItem, 2, 0, 0, 0, 1, 0, "c"});
         }},
        {"WindowsItemInAppMenu", MenuKind::MainMenu,
         [](MenuTree& tree) {
             const NodeHandle app = add(tree, kRootNode, {"App", NodeKind::AppMenu, 6});
             add(tree, app, {"Win", NodeKind::ScriptItem, 1, 0, 0, 0, 1, 0, "w"});
         }},
        {"AppMenuInContextMenu", MenuKind::ContextMenu,
         [](MenuTree& tree) {
             add(tree, kRootNode, {"First", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0, "f"});
             add(tree, kRootNode, {"App", NodeKind::AppMenu, 6});
             add(tree, kRootNode, {"Last", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0, "l"});
         }},
    };
    for (const Case& c : cases) {
        MenuTree tree;
        c.build(tree);
        std::vector<char> buffer(kDocumentBufferSize, 'Z');
        EXPECT_FALSE(GenerateMenuCode(tree, c.kind, buffer.data(), buffer.size())) << c.name;
        EXPECT_EQ(buffer.front(), 'Z') << c.name;
        EXPECT_EQ(generated(tree, c.kind), "<refused>") << c.name;
    }
}

// A node for no platform is left out wherever it stands, also inside a menu
// of one block, where the writer takes only nodes of the menu's own set: a
// Windows item inside a Mac menu loads with no platform, and the document it
// came from must still save.
TEST(GenerateMenuCode, NodesForNoPlatformAreLeftOutInsideBlocks) {
    const std::string code =
        "FM_MENUBAR ()\r\n{\r\n#IF_MAC\r\n\tFM_MENU ( \"Mac\" )\r\n\t{\r\n#END_IF\r\n#IF_WIN\r\n"
        "\t\tFM_MENUITEM ( FM_OPEN )\r\n#END_IF\r\n#IF_MAC\r\n\t\tFM_MENUITEM ( FM_CLOSE )\r\n\t}\r\n#END_IF\r\n}\r\n";
    MenuTree tree;
    ASSERT_EQ(LoadCodeIntoTree(tree, code, MenuKind::MainMenu), LoadResult::accepted());
    EXPECT_EQ(generated(tree, MenuKind::MainMenu),
              "FM_MENUBAR ()\r\n{\r\n#IF_MAC\r\n\tFM_MENU ( \"Mac\" )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_CLOSE )\r\n"
              "\t}\r\n#END_IF\r\n}\r\n");

    MenuTree app;
    const NodeHandle appMenu = add(app, kRootNode, {"App", NodeKind::AppMenu, 6});
    add(app, appMenu, {"Gone", NodeKind::ScriptItem, 0, 0, 0, 0, 1, 0, "g"});
    add(app, appMenu, {"Kept", NodeKind::ScriptItem, 4, 0, 0, 0, 1, 0, "k"});
    EXPECT_EQ(generated(app, MenuKind::MainMenu),
              "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"App\" )\r\n\t{\r\n#IF_MACCARBON\r\n"
              "\t\tFM_MENUSCRIPTITEM ( \"Kept\", \"k\" )\r\n#END_IF\r\n\t}\r\n}\r\n");
}

// Menus nested deeper than the reader follows are refused, so that no text is
// written that could not be read back; at the limit the text loads again.
TEST(GenerateMenuCode, MenuDepthLimit) {
    for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu}) {
        const int limit = menuLevelsOf(kind);
        for (int depth : {limit, limit + 1}) {
            MenuTree tree;
            NodeHandle parent = kRootNode;
            for (int level = 0; level < depth; ++level) {
                parent = add(tree, parent, {std::to_string(level), NodeKind::Menu, 7});
            }
            add(tree, parent, {"leaf", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0, "s"});
            const std::string text = generated(tree, kind);
            if (depth > limit) {
                EXPECT_EQ(text, "<refused>") << depth;
                continue;
            }
            MenuTree loaded;
            EXPECT_EQ(LoadCodeIntoTree(loaded, text, kind), LoadResult::accepted()) << depth;
            EXPECT_EQ(loaded.nodeCount(), tree.nodeCount());
        }
    }
}

class CountingHooks : public ConversionHooks {
public:
    void conversionBegin() override { ++begun; }
    void conversionEnd(NodeHandle first) override {
        ++ended;
        EXPECT_EQ(first, kNoNode);
    }
    int begun = 0;
    int ended = 0;
};

TEST(GenerateMenuCode, HooksBracketTheWalk) {
    MenuTree tree;
    smallMainMenu(tree);
    CountingHooks hooks;
    std::vector<char> buffer(kDocumentBufferSize);
    EXPECT_TRUE(GenerateMenuCode(tree, MenuKind::MainMenu, buffer.data(), buffer.size(), &hooks));
    EXPECT_EQ(hooks.begun, 1);
    EXPECT_EQ(hooks.ended, 1);
}

}  // namespace
}  // namespace tessary
