// Node handles of a MenuTree: 32-bit values that name one node for as long as
// it exists. A handle of a removed node never becomes valid again, so a stale
// reference is detected instead of reaching another node.
//
// NodeHandle is a type of its own: a parser's MenuHandle or a PendingTree id,
// which are plain numbers, do not pass for one, nor it for them.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>

namespace tessary {

class NodeHandle {
public:
    constexpr NodeHandle() = default;  // no node
    constexpr explicit NodeHandle(uint32_t value) : value_(value) {}

    constexpr uint32_t value() const { return value_; }

    friend constexpr bool operator==(NodeHandle, NodeHandle) = default;
    friend constexpr auto operator<=>(NodeHandle, NodeHandle) = default;

private:
    uint32_t value_ = 0;
};

// No node at all. In our own code that is all it means. The specified
// operations of the MenuTree also take it as "the selected node" where they
// act on one node, and insertNode and copySubtree take it as the top level for
// a parent and as the last position for "after"; MenuTree's explicit forms
// (selected(), Position, the NodeValues insert) say those things by name.
inline constexpr NodeHandle kNoNode{};

// The invisible root that stands for the top level. parent() of a top-level node
// is kRootNode; firstChild(kRootNode) is the first top-level node.
inline constexpr NodeHandle kRootNode{0xFFFFFFFF};

// Position markers for the "after" argument of the specified insertNode and
// copySubtree: insert as the first or as the last child of the parent.
inline constexpr NodeHandle kFirstPosition{0xFFFFFFFE};
inline constexpr NodeHandle kLastPosition{0xFFFFFFFD};

// Where a new node goes among its parent's children: first, last, or right
// after one of them. Position::after(kNoNode) names no place, and an insert or
// copy given it makes nothing.
class Position {
public:
    enum Place : uint8_t { First, Last };

    constexpr Position(Place place) : after_(place == First ? kFirstPosition : kLastPosition) {}
    static constexpr Position after(NodeHandle sibling) { return Position(sibling); }

    // The same place as the "after" argument of the specified operations.
    constexpr NodeHandle asAfter() const { return after_; }

private:
    constexpr explicit Position(NodeHandle after) : after_(after) {}
    NodeHandle after_;
};

// For test output and diagnostics: the handle's number.
std::ostream& operator<<(std::ostream& out, NodeHandle node);

}  // namespace tessary

template <>
struct std::hash<tessary::NodeHandle> {
    size_t operator()(tessary::NodeHandle node) const noexcept { return std::hash<uint32_t>{}(node.value()); }
};
