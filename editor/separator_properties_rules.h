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

    OkChecks okChecks(bool ctrlHeld) const;
    NodeHandle apply(bool ctrlHeld);
    NodeHandle parent() const { return parent_; }

private:
    SeparatorPropertiesRules(MenuTree& tree, MenuKind menuKind, DialogMode mode, NodeHandle node, NodeHandle parent);

    MenuTree* tree_;
    MenuKind menuKind_;
    DialogMode mode_;
    NodeHandle node_;
    NodeHandle parent_;
    PlatformBoxes platforms_;
};

}  // namespace tessary
