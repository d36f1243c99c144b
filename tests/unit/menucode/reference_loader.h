// The loader as menu code is defined to be read, step by step on the MenuTree:
// every menu begun at the top level, copied under its parent at its closing
// brace (copySubtree, then deleteSubtree of the source) and cut to the parent's
// platforms with removePlatformsFromSubtree. Slow for deep menus, but plainly
// right; the tests and the round-trip fuzz target hold the real loader, which
// moves menus without copying them, to the same trees.
#pragma once

#include <string_view>

#include "menucode/code_tree.h"
#include "model/menu_item_record.h"

namespace tessary {
class MenuTree;
}

namespace tessary::codetree_test {

// The same results as LoadCodeIntoTree.
LoadResult referenceLoad(MenuTree& tree, std::string_view text, MenuKind kind);

}  // namespace tessary::codetree_test
