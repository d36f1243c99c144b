// "Separator Properties": adds a separator, or changes a separator's platforms.
#pragma once

#include <optional>

#include "editor/item_dialog_rules.h"
#include "editor/platform_boxes.h"

namespace tessary {

class SeparatorPropertiesRules {
public:
    // None at the top level of a menu bar, which holds only menus.
    static std::optional<SeparatorPropertiesRules> forAdd(MenuTree& tree, MenuKind menuKind);
    static std::optional<SeparatorPropertiesRules> forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node);

    DialogMode mode() const { return mode_; }
    const PlatformBoxes& platforms() const { return platforms_; }
    void clickPlatform(PlatformBox box);

    // The checks of OK, in order, before anything changes.
    OkChecks okChecks() const;
    // Ctrl was held at OK: a new node goes to the top level where it may.
    void setCtrlHeld(bool held) { ctrlHeld_ = held; }
    bool ctrlHeld() const { return ctrlHeld_; }
    // Makes the change; the new or edited node (an edited node is made anew
    // when it moves).
    NodeHandle apply();
    NodeHandle parent() const { return parent_; }

private:
    SeparatorPropertiesRules(MenuTree& tree, MenuKind menuKind, DialogMode mode, NodeHandle node, NodeHandle parent);

    MenuTree* tree_;
    MenuKind menuKind_;
    DialogMode mode_;
    NodeHandle node_;
    NodeHandle parent_;
    bool ctrlHeld_ = false;
    PlatformBoxes platforms_;
};

}  // namespace tessary
