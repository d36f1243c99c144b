// "Menu Item Properties": adds or edits a FileMaker menu command, or adds a
// whole standard FileMaker menu (a menu with FileMaker's own items) picked in
// the standard-menu chooser.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editor/item_dialog_rules.h"
#include "editor/platform_boxes.h"
#include "editor/shortcut_controls.h"

namespace tessary {

struct FmItemPropertiesView {
    bool localCaptionShown = true;  // "Use local caption"
    bool localCaptionTicked = true;
    bool nameShown = true;
    bool nameEnabled = false;
    std::string name;
    std::string keyword;  // the read-only "FM Menu Item" field
    bool severalItemsShown = false;
    std::string severalItemsText;  // "Recent Files\nWill be represented by several items in FileMaker."
    bool userStringEnabled = true;
    std::string userString;
    bool enabledEnabled = true;  // "Enabled"; disabled while a standard menu is chosen
    bool enabled = true;
    PlatformBoxes platforms;
    ShortcutControls shortcut;
};

class FmItemPropertiesRules : public ItemDialogRules {
public:
    static std::optional<FmItemPropertiesRules> forAdd(MenuTree& tree, MenuKind menuKind);
    // The node must be a FileMaker item.
    static std::optional<FmItemPropertiesRules> forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node);

    const FmItemPropertiesView& view() const { return view_; }
    // A standard menu is chosen: the node will be a menu.
    bool menuChosen() const { return menuChosen_; }

    void setName(std::string_view text);
    void setUserString(std::string_view text) { view_.userString = text; }
    void tickEnabled(bool ticked);
    void tickLocalCaption(bool ticked);
    void clickPlatform(PlatformBox box) { view_.platforms.click(box); }
    void chooseKey(int entry) { view_.shortcut.choose(entry); }
    void tickCtrl(bool ticked) { view_.shortcut.setCtrl(ticked); }
    void tickAlt(bool ticked) { view_.shortcut.setAlt(ticked); }

    // A FileMaker command picked in the chooser, with the caption it shows there.
    void takeChosenCommand(std::string_view keyword, std::string_view caption);
    // A standard FileMaker menu picked in the chooser, with its caption there;
    // its children in the chooser's tree are copied beneath the node on OK
    // (none when source is null). The shared form keeps the chooser's tree alive
    // until then, also when the chooser has closed.
    void takeChosenMenu(std::string_view keyword, std::shared_ptr<const MenuTree> source, NodeHandle menu);
    void takeChosenMenu(std::string_view keyword, const MenuTree* source, NodeHandle menu);
    // Whether a FileMaker command may be chosen: not for a new node at the top
    // level of a menu bar.
    bool commandAllowed() const;
    // The keyword field's text changed: a command or a menu keyword, else nothing chosen.
    void setKeyword(std::string_view keyword);

    bool okEnabled() const { return !view_.name.empty() && !view_.keyword.empty(); }
    // The checks of OK, in order, before anything changes.
    OkChecks okChecks() const;
    // Makes the change; the new or edited node (an edited node is made anew
    // when it moves).
    NodeHandle apply();

private:
    using ItemDialogRules::ItemDialogRules;
    bool shortcutAllowed() const;
    std::string english() const;
    std::string caption() const;
    bool shortcutStored() const;
    void refreshLocalCaption();
    void copyChosenChildren(NodeHandle target);

    FmItemPropertiesView view_;
    uint32_t fmId_ = 0;
    bool menuChosen_ = false;
    std::shared_ptr<const MenuTree> chosenSource_;
    NodeHandle chosenMenu_ = kNoNode;
};

}  // namespace tessary
