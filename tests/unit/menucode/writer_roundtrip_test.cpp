// Written text read back: the parser rebuilds a tree with the loader's
// platform rules (an item takes its block's set AND its parent's, a Mac item
// is for MacOS X, an attached menu loses the bits its parent lacks), and the
// rebuilt tree is written again. The trees the writer cannot express as they
// stand must come back as the closest tree the language holds, and writing
// that tree must give the same text again.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "menucode/parser.h"
#include "model/lexicon.h"
#include "writer_test_support.h"

namespace tessary {
namespace {

using namespace writer_test;

struct Rebuilt {
    Node::Type type = Node::Type::Item;
    std::optional<std::string> caption;
    uint32_t platforms = 7;
    uint32_t fmMenuId = 0;
    ItemSpec item;  // texts below, views into them made when fed again
    std::string userString;
    std::string scriptName;
    std::vector<Rebuilt*> children;
};

class Rebuilder {
public:
    explicit Rebuilder(MenuKind kind) : kind_(kind) {
        nodes_.emplace_back();  // handle 1: the top level
        callbacks_.BeginMenuBar = [] { return MenuHandle{1}; };
        callbacks_.AbortMenuBar = [](MenuHandle) {};
        callbacks_.BeginMenu = [this](const MenuSpec& spec) -> MenuHandle {
            if (!spec.caption && spec.fmMenuId == 0) return 1;  // the context or pop-up menu itself
            Rebuilt& menu = make(Node::Type::Menu);
            if (spec.caption) menu.caption = std::string(*spec.caption);
            menu.platforms = spec.platforms;
            menu.fmMenuId = spec.fmMenuId;
            return handleOf(menu);
        };
        callbacks_.DiscardMenu = [](MenuHandle) {};
        callbacks_.AddItem = [this](MenuHandle parent, const ItemSpec& spec) {
            Rebuilt& item = make(Node::Type::Item);
            item.item = spec;
            if (spec.caption) item.caption = std::string(*spec.caption);
            item.userString = std::string(spec.userString.value_or(""));
            item.scriptName = std::string(spec.scriptName.value_or(""));
            const bool macItem = spec.kind == ItemSpecKind::MacQuit || spec.kind == ItemSpecKind::MacPreferences;
            item.platforms = (macItem ? 4 : spec.platforms) & at(parent).platforms;
            at(parent).children.push_back(&item);
            return true;
        };
        callbacks_.AttachSubmenu = [this](MenuHandle parent, MenuHandle menu, const MenuSpec&) {
            removePlatforms(at(menu), ~at(parent).platforms);
            at(parent).children.push_back(&at(menu));
            return true;
        };
        callbacks_.AttachMenuToBar = callbacks_.AttachSubmenu;
        callbacks_.BeginAppMenu = [this] {
            Rebuilt& app = make(Node::Type::AppMenu);
            app.platforms = 6;
            at(1).children.push_back(&app);
            return handleOf(app);
        };
        callbacks_.NameAppMenu = [this](MenuHandle, MenuHandle app, std::string_view caption) {
            at(app).caption = std::string(caption);
            return true;
        };
    }

    uint32_t parse(const std::string& text) {
        const auto length = static_cast<uint32_t>(text.size());
        switch (kind_) {
            case MenuKind::MainMenu:
                return ParseMenuBarCode(callbacks_, text.data(), length, 7, false, nullptr, nullptr);
            case MenuKind::ContextMenu:
                return ParseContextMenuCode(callbacks_, text.data(), length, 7, nullptr, nullptr);
            default:
                return ParsePopupMenuCode(callbacks_, text.data(), length, 7, nullptr, nullptr);
        }
    }

    // The rebuilt top level, as the tree walk would feed it to a writer.
    std::vector<Node> topLevel() const { return toNodes(nodes_.front().children); }

    // "caption:set" per node, children in brackets.
    std::string flattened() const { return flatten(nodes_.front().children); }

private:
    Rebuilt& make(Node::Type type) {
        nodes_.emplace_back();
        nodes_.back().type = type;
        return nodes_.back();
    }
    Rebuilt& at(MenuHandle handle) { return nodes_.at(handle - 1); }
    MenuHandle handleOf(const Rebuilt& node) const {
        for (size_t i = 0; i < nodes_.size(); ++i) {
            if (&nodes_[i] == &node) return static_cast<MenuHandle>(i + 1);
        }
        return 0;
    }
    static void removePlatforms(Rebuilt& node, uint32_t bits) {
        node.platforms &= ~bits;
        for (Rebuilt* child : node.children) removePlatforms(*child, bits);
    }
    static std::vector<Node> toNodes(const std::vector<Rebuilt*>& list) {
        std::vector<Node> out;
        for (const Rebuilt* r : list) {
            const std::optional<std::string_view> caption =
                r->caption ? std::optional<std::string_view>(*r->caption) : std::nullopt;
            if (r->type == Node::Type::AppMenu) {
                out.push_back(appMenu(r->caption.value_or(""), toNodes(r->children)));
            } else if (r->type == Node::Type::Menu) {
                out.push_back(menu(r->platforms, caption, r->fmMenuId, toNodes(r->children)));
            } else {
                ItemSpec spec = r->item;
                spec.platforms = r->platforms;
                spec.caption = caption;
                spec.userString = r->userString;
                spec.scriptName = r->scriptName;
                out.push_back(item(spec));
            }
        }
        return out;
    }
    static std::string flatten(const std::vector<Rebuilt*>& list) {
        std::string out;
        for (const Rebuilt* r : list) {
            if (!out.empty()) out += ' ';
            out += r->caption ? *r->caption : std::string("-");
            out += ':';
            out += std::to_string(r->platforms);
            if (r->type != Node::Type::Item) {
                out += '[';
                out += flatten(r->children);
                out += ']';
            }
        }
        return out;
    }

    MenuKind kind_;
    std::deque<Rebuilt> nodes_;  // stable addresses; handle = index + 1
    ParseCallbacks callbacks_;
};

struct RoundTripCase {
    const char* what;
    MenuKind kind;
    std::vector<Node> nodes;
    std::string reloaded;  // the rebuilt tree, flattened
};

TEST(WriterRoundTrip, TextsReadBackIntoTheClosestTreeAndRewriteUnchanged) {
    const RoundTripCase cases[] = {
        {"the small main menu",
         MenuKind::MainMenu,
         {appMenu("FileMaker Pro", {item(ItemSpec{.platforms = 4,
                                                  .kind = ItemSpecKind::MacPreferences,
                                                  .caption = "Preferences...",
                                                  .scriptName = "Preferences"})}),
          menu(7, "File", 1,
               {item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 2}),
                item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Separator}),
                item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Script, .caption = "Print One",
                              .modifiers = kModCtrl, .key = 'P', .userString = "Print", .scriptName = "Print",
                              .checkOn = 1})}),
          menu(1, "Tools", 0,
               {item(ItemSpec{.platforms = 1, .kind = ItemSpecKind::Script, .caption = "Sharing...", .enabled = 0,
                              .scriptName = "Sharing"})})},
         "FileMaker Pro:6[Preferences...:4] File:7[-:7 -:7 Print One:7] Tools:1[Sharing...:1]"},
        {"blocks of every set, nested menus",
         MenuKind::ContextMenu,
         {script(1, "a"), menu(6, "m", 5, {script(6, "b"), menu(6, std::nullopt, 7, {script(6, "c")})}),
          script(2, "d"), script(4, "e"), script(7, "f")},
         "a:1 m:6[b:6 -:6[c:6]] d:2 e:4 f:7"},
        {"sets 3 and 5 come back for all platforms",
         MenuKind::MainMenu,
         {menu(1, "W"), menu(5, "X", 0, {script(5, "a")}), menu(3, "C", 0, {menu(3, "s", 0, {script(3, "b")})}),
          menu(6, "M")},
         "W:1[] X:7[a:7] C:7[s:7[b:7]] M:6[]"},
        {"nodes for no platform are left out",
         MenuKind::PopupMenu,
         {script(6, "a"), script(0, "gone"), menu(0, "none", 0, {script(0, "x")}), script(6, "b"), script(1, "c")},
         "a:6 b:6 c:1"},
        {"both Mac platforms after a single one in the application menu",
         MenuKind::MainMenu,
         {appMenu("App", {script(2, "a"), script(6, "b"), menu(4, "s", 0, {script(4, "c")}), script(6, "d"),
                          item(ItemSpec{.platforms = 4, .kind = ItemSpecKind::MacQuit, .caption = "Quit",
                                        .scriptName = "q"})}),
          menu(1, "W", 0, {script(1, "e")})},
         "App:6[a:2 b:6 s:4[c:4] d:6 Quit:4] W:1[e:1]"},
        {"a menu with neither caption nor standard menu",
         MenuKind::ContextMenu,
         {menu(7, std::nullopt, 0, {script(7, "a")}), menu(7, "", 0)},
         ":7[a:7] :7[]"},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Generated first = generate(c.kind, c.nodes);
        ASSERT_TRUE(first.text.has_value());
        Rebuilder rebuilder(c.kind);
        ASSERT_EQ(rebuilder.parse(*first.text), 0u) << *first.text;
        EXPECT_EQ(rebuilder.flattened(), c.reloaded);
        const Generated second = generate(c.kind, rebuilder.topLevel());
        EXPECT_TRUE(second.accepted);
        EXPECT_EQ(second.text, first.text);
    }
}

// Item fields survive the trip: every option the writer puts down is read
// back into the same spec.
TEST(WriterRoundTrip, ItemOptionsReadBack) {
    const std::vector<Node> nodes = {
        item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::FmCommand, .caption = "Shut", .modifiers = kModAlt,
                      .key = -25, .enabled = 0, .userString = "u", .commandId = 4}),
        item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Script, .caption = "s", .modifiers = kModCtrl | kModAlt,
                      .key = '\'', .userString = "v w", .scriptName = "run", .checkOn = 1}),
    };
    const Generated first = generate(MenuKind::ContextMenu, nodes);
    ASSERT_TRUE(first.text.has_value());
    Rebuilder rebuilder(MenuKind::ContextMenu);
    ASSERT_EQ(rebuilder.parse(*first.text), 0u);
    const std::vector<Node> back = rebuilder.topLevel();
    ASSERT_EQ(back.size(), nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        const ItemSpec& want = nodes[i].item;
        const ItemSpec& got = back[i].item;
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.modifiers, want.modifiers);
        EXPECT_EQ(got.key, want.key);
        EXPECT_EQ(got.enabled, want.enabled);
        EXPECT_EQ(got.userString, want.userString);
        EXPECT_EQ(got.commandId, want.commandId);
        EXPECT_EQ(got.scriptName.value_or(""), want.scriptName.value_or(""));
        EXPECT_EQ(got.checkOn, want.checkOn);
    }
}

}  // namespace
}  // namespace tessary
