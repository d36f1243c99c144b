// The two conversions between a MenuTree and its menu code text.
#pragma once

#include <cstddef>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

class MenuTree;

// LoadCodeIntoTree results besides a failing line number (counted from 1).
constexpr int kLoadAccepted = -1;
constexpr int kLoadOtherKind = -2;

// Loads menu code into the tree (appending; callers empty it first) as the
// given kind. fromEditor is the loader's flag: true from the editor's commands,
// false for ready-made files. Returns kLoadAccepted, kLoadOtherKind, or the
// line (from 1) where the text failed; what was read before the failure stays.
int LoadCodeIntoTree(MenuTree& tree, std::string_view text, MenuKind kind, bool fromEditor = true);

// Writes the tree's menu code into buffer (plain form, or the calculation form
// for pasting into a FileMaker calculation). The text plus its NUL must fit in
// capacity; otherwise, or when the writer refuses a node, returns false.
bool GenerateMenuCode(const MenuTree& tree, MenuKind kind, char* buffer, size_t capacity, bool calculationForm);

}  // namespace tessary
