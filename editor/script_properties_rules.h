// "Script Properties": adds or edits a script item, or one of the two Mac
// system items of the application menu (Quit, Preferences).
#pragma once

#include <optional>
#include <string>

#include "editor/item_dialog_rules.h"
#include "editor/platform_boxes.h"
#include "editor/shortcut_controls.h"

namespace tessary {

// The "Mac System Item" list: "-none-", "Mac Quit Item", "Mac OS X Preferences Item".
enum class MacSystemItem { None = 0, Quit = 1, Preferences = 2 };
constexpr int kMacSystemItemCount = 3;
const char* macSystemItemName(MacSystemItem item);

struct ScriptPropertiesView {
    bool macItemEnabled = false;  // only under the application menu
    MacSystemItem macItem = MacSystemItem::None;
    bool macItemGrey[kMacSystemItemCount] = {};  // taken by another node of the tree
    std::string name;
    std::string script;
    std::string userString;
    bool enabled = true;   // "Enabled"
    bool checkOn = false;  // "Check On"
    bool checkOnEnabled = false;
    PlatformBoxes platforms;
    ShortcutControls shortcut;
};

class ScriptPropertiesRules : public ItemDialogRules {
public:
    // None when the selection gives no parent that may hold a script item (the
    // top level of a menu bar): the dialog then does not open.
    static std::optional<ScriptPropertiesRules> forAdd(MenuTree& tree, MenuKind menuKind);
    // The node must be a script item or a Mac system item.
    static std::optional<ScriptPropertiesRules> forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node);

    const ScriptPropertiesView& view() const { return view_; }

    void setName(std::string_view text) { view_.name = text; }
    void setScript(std::string_view text) { view_.script = text; }
    void setUserString(std::string_view text) { view_.userString = text; }
    void tickEnabled(bool ticked) { view_.enabled = ticked; }
    void tickCheckOn(bool ticked);
    void clickPlatform(PlatformBox box) { view_.platforms.click(box); }
    void chooseKey(int entry) { view_.shortcut.choose(entry); }
    void tickCtrl(bool ticked) { view_.shortcut.setCtrl(ticked); }
    void tickAlt(bool ticked) { view_.shortcut.setAlt(ticked); }
    // A grey entry sets the list back to "-none-".
    void chooseMacItem(MacSystemItem item);
    // A script picked in the Select Script chooser: it fills the script field,
    // and the name field while that is empty.
    void takeChosenScript(std::string_view script);

    bool okEnabled() const { return !view_.name.empty(); }
    // The checks of OK, in order, before anything changes.
    OkChecks okChecks() const;
    // Makes the change; the new or edited node (an edited node is made anew
    // when it moves).
    NodeHandle apply();

private:
    using ItemDialogRules::ItemDialogRules;
    void fillMacItemList();
    NodeKind chosenKind() const;
    bool shortcutStored() const;

    ScriptPropertiesView view_;
};

}  // namespace tessary
