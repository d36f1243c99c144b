// Menu code texts of a given size and shape, made the same way on every run:
// realistic menus and the shapes that stress the reader.
#pragma once

#include <cstddef>
#include <string>

namespace tessary::bench {

enum class Shape {
    MainMenu,          // menus, submenus, items with shortcuts and strings, platform blocks, an application menu
    ContextMenu,       // a context menu of items and submenus
    CommaFreeItems,    // command items with nothing after the keyword
    HugeCaption,       // one script item whose caption fills the text
    DeepNesting,       // menus nested as deep as the reader allows, again and again
    BlankLines,        // items between runs of blank lines
};

const char* shapeName(Shape shape);
// Which entry point reads the shape: 0 main menu, 1 context menu.
int shapeMenuKind(Shape shape);

// A text of at most targetBytes bytes (and close to it) that loads as its kind.
std::string makeMenuCode(Shape shape, size_t targetBytes);

}  // namespace tessary::bench
