#include "editor/platform_boxes.h"

#include "editor/menu_rules.h"
#include "model/menu_tree.h"

namespace tessary {
namespace {

constexpr PlatformMask kBits[3] = {kPlatformWindows, kPlatformMacClassic, kPlatformMacX};

PlatformBoxes boxesBelow(const MenuTree& tree, NodeHandle parent, PlatformMask shown) {
    PlatformBoxes boxes(shown);
    boxes.enableAll(!tree.isAppMenu(parent) && tree.getPlatforms(parent) == kPlatformAll);
    return boxes;
}

}  // namespace

PlatformBoxes::PlatformBoxes(PlatformMask set) {
    show(set);
}

PlatformBoxes PlatformBoxes::forNewChild(const MenuTree& tree, NodeHandle parent) {
    return boxesBelow(tree, parent, tree.getPlatforms(parent));  // an application menu's set is both Mac platforms
}

PlatformBoxes PlatformBoxes::forNode(const MenuTree& tree, NodeHandle node) {
    const NodeHandle parent = tree.parent(node);
    if (isMacSystemItem(tree.getKind(node))) {
        return boxesBelow(tree, parent, kPlatformMacX);
    }
    return boxesBelow(tree, parent,
                      fittingPlatforms(tree.getPlatforms(node), tree.getParentPlatforms(node), tree.isAppMenu(parent)));
}

void PlatformBoxes::show(PlatformMask set) {
    for (int i = 0; i < 3; ++i) {
        ticked_[i] = (set & kBits[i]) != 0;
    }
}

PlatformMask PlatformBoxes::mask() const {
    PlatformMask set = 0;
    for (int i = 0; i < 3; ++i) {
        if (ticked_[i]) {
            set |= kBits[i];
        }
    }
    return set;
}

void PlatformBoxes::enableAll(bool on) {
    for (bool& e : enabled_) {
        e = on;
    }
}

void PlatformBoxes::click(PlatformBox box) {
    if (!enabled(box)) {
        return;
    }
    bool& windows = ticked_[0];
    bool& classic = ticked_[1];
    bool& macX = ticked_[2];
    bool& clicked = ticked_[static_cast<int>(box)];
    clicked = !clicked;
    if (!windows && !classic && !macX) {
        clicked = true;  // at least one platform stays
        return;
    }
    switch (box) {
        case PlatformBox::Windows:
            if (windows && (classic || macX)) {
                classic = macX = true;
            }
            break;
        case PlatformBox::MacClassic:
            if (windows) {
                macX = classic;
            }
            break;
        case PlatformBox::MacX:
            if (windows) {
                classic = macX;
            }
            break;
    }
}

}  // namespace tessary
