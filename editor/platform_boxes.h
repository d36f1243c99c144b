// The three platform boxes of the item dialogs ("Windows", "MacOS Classic",
// "MacOS X"). They can show Windows alone, either Mac platform alone, both Mac
// platforms, or all three, and never nothing: Windows with exactly one Mac
// platform cannot be set.
#pragma once

#include "model/menu_item_record.h"
#include "model/node_handle.h"

namespace tessary {

class MenuTree;

enum class PlatformBox { Windows = 0, MacClassic = 1, MacX = 2 };

class PlatformBoxes {
public:
    // Ticks the boxes of the set's bits; all boxes enabled.
    explicit PlatformBoxes(PlatformMask set = kPlatformAll);

    // The boxes of a new node under `parent` (kRootNode for the top level):
    // they show the parent's set, both Mac platforms inside an application
    // menu. All are disabled unless the parent is on every platform, so that a
    // node never leaves its parent's set.
    static PlatformBoxes forNewChild(const MenuTree& tree, NodeHandle parent);
    // The boxes of an existing node: they show the node's own set as far as it
    // fits below its parent (a Mac system item always MacOS X alone), so that
    // OK without a click stores what the node held; enabled as for a new child.
    static PlatformBoxes forNode(const MenuTree& tree, NodeHandle node);

    // The user clicked a box: it toggles, then the rules keep a valid set. A
    // disabled box takes no click.
    void click(PlatformBox box);

    void show(PlatformMask set);
    PlatformMask mask() const;
    bool ticked(PlatformBox box) const { return ticked_[static_cast<int>(box)]; }
    bool enabled(PlatformBox box) const { return enabled_[static_cast<int>(box)]; }
    bool anyEnabled() const { return enabled_[0] || enabled_[1] || enabled_[2]; }
    void enable(PlatformBox box, bool on) { enabled_[static_cast<int>(box)] = on; }
    void enableAll(bool on);

private:
    bool ticked_[3] = {};
    bool enabled_[3] = {true, true, true};
};

}  // namespace tessary
