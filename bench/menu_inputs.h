// Menu code texts of a given size and shape, made the same way on every run:
// realistic menus and the shapes that stress the reader.
#pragma once

#include <cstddef>
#include <string>

#include "model/menu_item_record.h"

namespace tessary::bench {

enum class Shape {
    MainMenu,        // menus, submenus, items with shortcuts and strings, platform blocks, an application menu
    ContextMenu,     // a context menu of items and submenus, some in platform blocks
    CommaFreeItems,  // command items with nothing after the keyword
    HugeCaption,     // one script item whose caption fills the text
    DeepNesting,     // menus nested as deep as the reader allows, again and again
    BlankLines,      // items between runs of blank lines
};

inline constexpr Shape kShapes[] = {Shape::MainMenu,    Shape::ContextMenu, Shape::CommaFreeItems,
                                    Shape::HugeCaption, Shape::DeepNesting, Shape::BlankLines};
inline constexpr size_t kSizes[] = {64 * 1024, 128 * 1024, 256 * 1024, 511 * 1024};

const char* shapeName(Shape shape);
MenuKind shapeMenuKind(Shape shape);
// Whether the shape is written exactly as the writer lays menu code out, so
// that generating the code of its tree gives the text back byte for byte.
bool shapeIsWriterLayout(Shape shape);

// A text of at most targetBytes bytes (and close to it) that loads as its kind.
std::string makeMenuCode(Shape shape, size_t targetBytes);

// makeMenuCode for one of kSizes, made once and kept for the run.
const std::string& benchInput(Shape shape, size_t size);

}  // namespace tessary::bench
