// Helpers for the writer tests: a menu described as a small tree of specs,
// fed to a writer in tree order, and expected texts built from lines.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "menucode/parse_trace.h"
#include "menucode/writer.h"

namespace tessary::writer_test {

struct Node {
    enum class Type { AppMenu, Menu, Item };
    Type type = Type::Item;
    MenuSpec menu;
    std::string appMenuName;
    ItemSpec item;
    std::vector<Node> children;
};

inline Node menu(uint32_t platforms, std::optional<std::string_view> caption, uint32_t fmMenuId = 0,
                 std::vector<Node> children = {}) {
    Node node;
    node.type = Node::Type::Menu;
    node.menu = MenuSpec{platforms, caption, fmMenuId};
    node.children = std::move(children);
    return node;
}

inline Node appMenu(std::string name, std::vector<Node> children = {}) {
    Node node;
    node.type = Node::Type::AppMenu;
    node.appMenuName = std::move(name);
    node.children = std::move(children);
    return node;
}

inline Node item(const ItemSpec& spec) {
    Node node;
    node.item = spec;
    return node;
}

// A script item whose caption and script name are both `name`.
inline Node script(uint32_t platforms, std::string_view name) {
    return item(ItemSpec{.platforms = platforms, .kind = ItemSpecKind::Script, .caption = name, .scriptName = name});
}

// The line that script() writes, indented by `level` tabs.
inline std::string scriptLine(std::string_view name, int level = 1) {
    std::string line(static_cast<size_t>(level), '\t');
    line += "FM_MENUSCRIPTITEM ( \"";
    line += name;
    line += "\", \"";
    line += name;
    line += "\" )";
    return line;
}

// Feeds the nodes as the tree walk does; false at the first refusal, leaving
// the menus above it open.
inline bool feed(FM_Builder& writer, const std::vector<Node>& nodes) {
    for (const Node& node : nodes) {
        switch (node.type) {
            case Node::Type::Item:
                if (!writer.AddMenuItem(node.item)) return false;
                break;
            case Node::Type::Menu:
            case Node::Type::AppMenu: {
                const bool opened = node.type == Node::Type::Menu ? writer.OpenMenu(node.menu)
                                                                  : writer.OpenAppMenu(node.appMenuName);
                if (!opened || !feed(writer, node.children) || !writer.CloseMenu()) return false;
                break;
            }
        }
    }
    return true;
}

// The parse status of a text read back as menu code of the kind.
inline uint32_t parseBack(MenuKind kind, std::string_view text) {
    const CodeKind codeKind = kind == MenuKind::MainMenu      ? CodeKind::Main
                              : kind == MenuKind::ContextMenu ? CodeKind::Context
                                                              : CodeKind::Popup;
    return TraceParse(codeKind, text).status;
}

// Whether a plain text that generate() gets must read back (status 0). Only
// texts that carry the writer's own error marks, or an item standing directly
// in a menu bar, are exempt.
enum class Readable { Yes, No };

struct Generated {
    bool accepted = false;            // every node was taken
    std::optional<std::string> text;  // the writer's text, when it gave one
};

// Creates the writer for the kind, feeds the nodes (inside the menu bar for a
// main menu, which is closed afterwards) and asks for the text. A plain text
// is read back with the parser, which must accept it.
inline Generated generate(MenuKind kind, const std::vector<Node>& nodes, bool calculationForm = false,
                          Readable readable = Readable::Yes) {
    Generated result;
    auto writer = CreateMenuCodeBuilder(kind, calculationForm);
    if (!writer) return result;
    if (kind == MenuKind::MainMenu) writer->OpenMenuBar();
    result.accepted = feed(*writer, nodes);
    if (kind == MenuKind::MainMenu) writer->CloseMenu();
    std::string text;
    if (writer->GetCode(text)) result.text = text;
    if (result.text && !calculationForm && readable == Readable::Yes) {
        EXPECT_EQ(parseBack(kind, text), 0u) << "does not read back:\n" << text;
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

// A context menu whose body holds the given lines.
inline std::string contextMenu(std::initializer_list<std::string_view> body) {
    return lines({"FM_CONTEXTMENU ( )", "{"}) + lines(body) + lines({"}"});
}

inline std::string mainMenu(std::initializer_list<std::string_view> body) {
    return lines({"FM_MENUBAR ()", "{"}) + lines(body) + lines({"}"});
}

}  // namespace tessary::writer_test
