// One-line text of a whole MenuTree, for tests and debugging:
//     File[Open...,-Separator-,Print One],Edit
// Siblings are separated by commas and a node's children follow it in square
// brackets; a node without children has no brackets. Captions are written as
// they are (a caption holding ',' '[' ']' or '{' makes the text ambiguous).
#pragma once

#include <string>

#include "model/menu_tree.h"

namespace tessary {

// Optional detail after each caption, in braces: the kind's name and/or the
// record's stored platform set, e.g. "File{Menu 7}[Open...{FmItem 7}]".
enum FlattenDetail : unsigned {
    kFlattenCaptions = 0,
    kFlattenKinds = 1,
    kFlattenPlatforms = 2,
};

std::string flattenTree(const MenuTree& tree, unsigned detail = kFlattenCaptions);

// The node and its subtree only (kRootNode: the whole tree); empty for no node.
std::string flattenSubtree(const MenuTree& tree, NodeHandle node, unsigned detail = kFlattenCaptions);

}  // namespace tessary
