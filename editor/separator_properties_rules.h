// "Separator Properties": adds a separator, or changes a separator's platforms.
#pragma once

#include <optional>

#include "editor/item_dialog_rules.h"
#include "editor/platform_boxes.h"

namespace tessary {

class SeparatorPropertiesRules : public ItemDialogRules {
public:
    // None at the top level of a menu bar, which holds only menus.
    static std::optional<SeparatorPropertiesRules> forAdd(MenuTree& tree, MenuKind menuKind);
    static std::optional<SeparatorPropertiesRules> forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node);

    const PlatformBoxes& platforms() const { return platforms_; }
    void clickPlatform(PlatformBox box) { platforms_.click(box); }

    // The checks of OK, in order, before anything changes.
    OkChecks okChecks() const;
    // Makes the change; the new or edited node (an edited node is made anew
    // when it moves).
    NodeHandle apply();

private:
    using ItemDialogRules::ItemDialogRules;

    PlatformBoxes platforms_;
};

}  // namespace tessary
