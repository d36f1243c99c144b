// Node handles of a MenuTree: 32-bit values that name one node for as long as
// it exists. A handle of a removed node never becomes valid again, so a stale
// reference is detected instead of reaching another node.
#pragma once

#include <cstdint>

namespace tessary {

using NodeHandle = uint32_t;

// No node at all. Operations that act on one node take it as "the selected node";
// insertNode and copySubtree take it as the top level for a parent and as the
// last position for "after".
constexpr NodeHandle kNoNode = 0;

// The invisible root that stands for the top level. parent() of a top-level node
// is kRootNode; firstChild(kRootNode) is the first top-level node.
constexpr NodeHandle kRootNode = 0xFFFFFFFF;

// Position markers for the "after" argument of insertNode and copySubtree:
// insert as the first or as the last child of the parent.
constexpr NodeHandle kFirstPosition = 0xFFFFFFFE;
constexpr NodeHandle kLastPosition = 0xFFFFFFFD;

}  // namespace tessary
