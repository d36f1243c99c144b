// What the writer asks of the calls that feed it and what it promises back:
// the texts a call passes need to last only for that call, the text is
// finished once and then stays as it was, a text asked for too early is
// finished whole later, and the room hint changes nothing but the room.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "writer_test_support.h"

namespace tessary {
namespace {

using namespace writer_test;

// Every kind of text a call passes: menu captions, the application menu's
// name, item captions, script names, user strings and key names.
std::vector<Node> everyText() {
    return {
        appMenu("Orders Pro", {item({.platforms = 4,
                                     .kind = ItemSpecKind::MacQuit,
                                     .caption = "Quit Orders",
                                     .userString = "bye",
                                     .scriptName = "Quit"}),
                               script(2, "Classic only")}),
        menu(7, "File", 1,
             {item({.platforms = 7,
                    .kind = ItemSpecKind::FmCommand,
                    .caption = "Open a file, the long way round",
                    .modifiers = kModCtrl,
                    .key = 'O',
                    .userString = "open",
                    .commandId = 2}),
              menu(1, "Recent", 0,
                   {item({.platforms = 1,
                          .kind = ItemSpecKind::Script,
                          .caption = "Navigation: Go to Layout [Orders]",
                          .modifiers = kModAlt,
                          .key = -25,
                          .userString = "x",
                          .scriptName = "Go to Layout",
                          .checkOn = 1})})}),
        menu(6, std::nullopt, 5, {item({.platforms = 6, .kind = ItemSpecKind::Separator})}),
    };
}

// Feeds the nodes as feed() does, but every text the writer is given lives
// only for the call that passes it: the buffers holding it are overwritten
// as soon as the call returns.
class FleetingFeed {
public:
    FleetingFeed() {
        for (std::string& buffer : buffers_) {
            buffer.reserve(256);
        }
    }

    bool feed(FM_Builder& writer, const std::vector<Node>& nodes) {
        for (const Node& node : nodes) {
            bool answer;
            if (node.type == Node::Type::Item) {
                ItemSpec itemSpec = node.item;
                itemSpec.caption = hold(0, itemSpec.caption);
                itemSpec.userString = hold(1, itemSpec.userString);
                itemSpec.scriptName = hold(2, itemSpec.scriptName);
                answer = writer.AddMenuItem(itemSpec);
                forget();
                if (!answer) {
                    return false;
                }
                continue;
            }
            if (node.type == Node::Type::Menu) {
                MenuSpec menuSpec = node.menu;
                menuSpec.caption = hold(0, menuSpec.caption);
                answer = writer.OpenMenu(menuSpec);
            } else {
                answer = writer.OpenAppMenu(*hold(0, node.appMenuName));
            }
            forget();
            if (!answer || !feed(writer, node.children) || !writer.CloseMenu()) {
                return false;
            }
        }
        return true;
    }

private:
    std::optional<std::string_view> hold(size_t which, std::optional<std::string_view> text) {
        if (!text) {
            return text;
        }
        buffers_[which].assign(*text);
        return std::string_view(buffers_[which]);
    }
    void forget() {
        for (std::string& buffer : buffers_) {
            std::fill(buffer.begin(), buffer.end(), '~');
        }
    }

    std::string buffers_[3];
};

TEST(WriterCalls, TextsNeedToLastOnlyForTheCall) {
    for (const MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu}) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind));
        const std::vector<Node> nodes = kind == MenuKind::MainMenu ? everyText() : everyText()[1].children;
        const Generated steady = generate(kind, nodes, Readable::No);
        ASSERT_TRUE(steady.accepted);
        ASSERT_TRUE(steady.text.has_value());
        EXPECT_EQ(steady.text->find('~'), std::string::npos);

        auto writer = CreateMenuCodeBuilder(kind);
        if (kind == MenuKind::MainMenu) {
            ASSERT_TRUE(writer->OpenMenuBar());
        }
        FleetingFeed fleeting;
        ASSERT_TRUE(fleeting.feed(*writer, nodes));
        if (kind == MenuKind::MainMenu) {
            ASSERT_TRUE(writer->CloseMenu());
        }
        std::string text;
        ASSERT_TRUE(writer->GetCode(text));
        EXPECT_EQ(text, *steady.text);
    }
}

// The end of the text is written once, when the text is first asked for in
// the right state; asking too early changes nothing.
TEST(WriterCalls, TextAskedForTooEarlyIsFinishedWholeLater) {
    const std::string context = contextMenu(
        {"#IF_MACCLASSIC", "\tFM_MENU ( \"m\" )", "\t{", scriptLine("x", 2), "\t}", "#END_IF", scriptLine("y")});
    FM_MenuBuilder writer(false);
    ASSERT_TRUE(writer.OpenMenu({2, "m", 0}));
    ASSERT_TRUE(writer.AddMenuItem(script(2, "x").item));
    size_t length = 0;
    EXPECT_FALSE(writer.GetCodeLength(length));
    ASSERT_TRUE(writer.CloseMenu());
    ASSERT_TRUE(writer.AddMenuItem(script(7, "y").item));
    std::string text;
    ASSERT_TRUE(writer.GetCode(text));
    EXPECT_EQ(text, context);
    ASSERT_TRUE(writer.GetCodeLength(length));
    EXPECT_EQ(length, context.size());

    FM_MenuBarBuilder bar;
    ASSERT_TRUE(bar.OpenMenuBar());
    ASSERT_TRUE(bar.OpenMenu({1, "w", 0}));
    EXPECT_FALSE(bar.GetCode(text));
    ASSERT_TRUE(bar.CloseMenu());
    EXPECT_FALSE(bar.GetCode(text));  // the bar is still open
    ASSERT_TRUE(bar.CloseMenu());
    ASSERT_TRUE(bar.GetCode(text));
    EXPECT_EQ(text, mainMenu({"#IF_WIN", "\tFM_MENU ( \"w\" )", "\t{", "\t}", "#END_IF"}));
}

// Menus, submenus and items taken after the text was finished are checked
// as ever, and write nothing.
TEST(WriterCalls, CallsAfterTheTextIsFinishedLeaveItAsItWas) {
    FM_MenuBuilder writer(false);
    ASSERT_TRUE(writer.AddMenuItem(script(1, "a").item));
    std::string first;
    ASSERT_TRUE(writer.GetCode(first));
    EXPECT_EQ(first, contextMenu({"#IF_WIN", "\tFM_MENUSCRIPTITEM ( \"a\", \"a\" )", "#END_IF"}));
    EXPECT_TRUE(writer.OpenMenu({6, "late", 0}));
    EXPECT_TRUE(writer.OpenMenu({6, "later", 0}));
    EXPECT_FALSE(writer.AddMenuItem(script(1, "refused").item));
    EXPECT_TRUE(writer.AddMenuItem(script(6, "b").item));
    EXPECT_TRUE(writer.CloseMenu());
    EXPECT_TRUE(writer.CloseMenu());
    EXPECT_TRUE(writer.AddMenuItem(script(7, "c").item));
    std::string again;
    ASSERT_TRUE(writer.GetCode(again));
    EXPECT_EQ(again, first);
}

// Room asked for ahead, even more than there is, leaves the text as it is.
TEST(WriterCalls, RoomHintChangesNothingButTheRoom) {
    const std::vector<Node> nodes = everyText();
    const Generated plain = generate(MenuKind::MainMenu, nodes, Readable::No);
    ASSERT_TRUE(plain.text.has_value());
    // More than there is cannot be asked for under AddressSanitizer, which ends
    // the program instead of failing the allocation (scripts/test --sanitize).
#if defined(__SANITIZE_ADDRESS__)
    const size_t beyond = 0;
#else
    const size_t beyond = size_t{1} << 62;
#endif
    for (const size_t hint : {size_t{0}, size_t{3}, size_t{1} << 20, beyond}) {
        SCOPED_TRACE(hint);
        FM_MenuBarBuilder writer;
        writer.expectTextBytes(hint);
        ASSERT_TRUE(writer.OpenMenuBar());
        writer.expectTextBytes(hint);
        ASSERT_TRUE(feed(writer, nodes));
        ASSERT_TRUE(writer.CloseMenu());
        std::string text;
        ASSERT_TRUE(writer.GetCode(text));
        EXPECT_EQ(text, *plain.text);
    }
}

}  // namespace
}  // namespace tessary
