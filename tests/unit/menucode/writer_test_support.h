// Helpers for the writer tests: a menu described as a small tree of specs, fed
// to a writer in tree order, every plain text read back by the parser, and
// expected texts built from lines.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menucode/parse_trace.h"
#include "menucode/writer.h"
#include "model/lexicon.h"

namespace tessary::writer_test {

struct Node {
    enum class Type { AppMenu, Menu, Item };
    Type type = Type::Item;
    MenuSpec menu;
    std::string appMenuName;
    ItemSpec item;
    std::vector<Node> children;
};

inline Node menu(uint32_t platforms,
                 std::optional<std::string_view> caption,
                 uint32_t fmMenuId = 0,
                 std::vector<Node> children = {}) {
    return Node{Node::Type::Menu, MenuSpec{platforms, caption, fmMenuId}, {}, {}, std::move(children)};
}

inline Node appMenu(std::string name, std::vector<Node> children = {}) {
    return Node{Node::Type::AppMenu, {}, std::move(name), {}, std::move(children)};
}

inline Node item(const ItemSpec& itemSpec) {
    return Node{Node::Type::Item, {}, {}, itemSpec, {}};
}

// A script item whose caption and script name are both `name`, and its line.
inline Node script(uint32_t platforms, std::string_view name) {
    return item(ItemSpec{.platforms = platforms, .kind = ItemSpecKind::Script, .caption = name, .scriptName = name});
}
inline std::string scriptLine(std::string_view name, int level = 1) {
    return std::string(static_cast<size_t>(level), '\t') + "FM_MENUSCRIPTITEM ( \"" + std::string(name) + "\", \"" +
           std::string(name) + "\" )";
}

// Feeds the nodes as the tree walk does; false at the first refusal, leaving
// the menus above it open.
inline bool feed(FM_Builder& writer, const std::vector<Node>& nodes) {
    for (const Node& node : nodes) {
        if (node.type == Node::Type::Item) {
            if (!writer.AddMenuItem(node.item))
                return false;
            continue;
        }
        const bool opened =
            node.type == Node::Type::Menu ? writer.OpenMenu(node.menu) : writer.OpenAppMenu(node.appMenuName);
        if (!opened || !feed(writer, node.children) || !writer.CloseMenu())
            return false;
    }
    return true;
}

inline MenuKind codeKind(MenuKind kind) {
    return kind == MenuKind::MainMenu      ? MenuKind::MainMenu
           : kind == MenuKind::ContextMenu ? MenuKind::ContextMenu
                                           : MenuKind::PopupMenu;
}

// Whether a plain text must read back (status 0). Only texts carrying the
// writer's error marks, or an item standing directly in a menu bar, are exempt.
enum class Readable { Yes, No };

struct Generated {
    bool accepted = false;            // every node was taken
    std::optional<std::string> text;  // the writer's text, when it gave one
};

// Creates the writer for the kind, feeds the nodes (inside the menu bar for a
// main menu, which is closed afterwards) and asks for the text. Unless told
// otherwise, the text is read back with the parser, which must accept it.
inline Generated generate(MenuKind kind, const std::vector<Node>& nodes, Readable readable = Readable::Yes) {
    Generated result;
    auto writer = CreateMenuCodeBuilder(kind);
    if (!writer)
        return result;
    if (kind == MenuKind::MainMenu)
        writer->OpenMenuBar();
    result.accepted = feed(*writer, nodes);
    if (kind == MenuKind::MainMenu)
        writer->CloseMenu();
    std::string text;
    if (!writer->GetCode(text))
        return result;
    result.text = text;
    if (readable == Readable::Yes) {
        EXPECT_EQ(TraceParse(codeKind(kind), text).status, 0u) << "does not read back:\n" << text;
    }
    return result;
}

// Joins lines, each ending with CR LF.
inline std::string lines(std::initializer_list<std::string_view> list) {
    std::string text;
    for (std::string_view line : list) {
        text += line;
        text += "\r\n";
    }
    return text;
}

inline std::string contextMenu(std::initializer_list<std::string_view> body) {
    return lines({"FM_CONTEXTMENU ( )", "{"}) + lines(body) + lines({"}"});
}

inline std::string mainMenu(std::initializer_list<std::string_view> body) {
    return lines({"FM_MENUBAR ()", "{"}) + lines(body) + lines({"}"});
}

}  // namespace tessary::writer_test
