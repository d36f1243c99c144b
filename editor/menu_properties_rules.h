// "Menu Properties": adds a menu or the application menu, or edits one. The
// dialog shows `view()` and reports each change of a control; OK asks
// `okChecks()` and, when all passed, the caller runs `apply()`.
#pragma once

#include <optional>
#include <string>

#include "editor/item_dialog_rules.h"
#include "editor/platform_boxes.h"

namespace tessary {

struct MenuPropertiesView {
    bool appMenuEnabled = false;  // "Application Menu (Mac OS X), Apple Menu (Mac Classic)"
    bool appMenuTicked = false;
    bool localCaptionEnabled = false;  // "Use local caption"
    bool localCaptionTicked = false;
    bool nameEnabled = true;
    std::string name;               // the name field
    bool appMenuNoteShown = false;  // "This name will be used for the Application Menu under Mac OS X"
    PlatformBoxes platforms;
};

class MenuPropertiesRules : public ItemDialogRules {
public:
    // A new menu under the parent the selection gives; none when that parent
    // cannot hold one.
    static std::optional<MenuPropertiesRules> forAdd(MenuTree& tree, MenuKind menuKind);
    // The node, which must be a menu or the application menu.
    static std::optional<MenuPropertiesRules> forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node);

    const MenuPropertiesView& view() const { return view_; }

    void setName(std::string_view name);
    void tickAppMenu(bool ticked);
    void tickLocalCaption(bool ticked);
    void clickPlatform(PlatformBox box) { view_.platforms.click(box); }

    bool okEnabled() const { return !view_.name.empty(); }
    // The checks of OK, in order, before anything changes.
    OkChecks okChecks() const;
    // Makes the change; the new or edited node (an edited node is made anew
    // when it moves).
    NodeHandle apply();

private:
    using ItemDialogRules::ItemDialogRules;
    bool becomesAppMenuFromMenu() const;
    bool platformsChangeForChildren() const;
    std::string caption() const;
    void restorePlatformBoxes();

    MenuPropertiesView view_;
    PlatformBoxes ownBoxes_;  // the boxes as they were before the application-menu box took them
};

}  // namespace tessary
