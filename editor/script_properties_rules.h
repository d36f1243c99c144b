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

class ScriptPropertiesRules {
public:
    // None when the selection gives no parent that may hold a script item (the
    // top level of a menu bar): the dialog then does not open.
    static std::optional<ScriptPropertiesRules> forAdd(MenuTree& tree, MenuKind menuKind);
    // The node must be a script item or a Mac system item.
    static std::optional<ScriptPropertiesRules> forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node);

    DialogMode mode() const { return mode_; }
    const ScriptPropertiesView& view() const { return view_; }

    void setName(std::string_view text) { view_.name = text; }
    void setScript(std::string_view text) { view_.script = text; }
    void setUserString(std::string_view text) { view_.userString = text; }
    void tickEnabled(bool ticked) { view_.enabled = ticked; }
    void tickCheckOn(bool ticked);
    void clickPlatform(PlatformBox box);
    void chooseKey(int entry);
    void tickCtrl(bool ticked);
    void tickAlt(bool ticked);
    // A grey entry sets the list back to "-none-".
    void chooseMacItem(MacSystemItem item);
    // A script picked in the Select Script chooser: it fills the script field,
    // and the name field while that is empty.
    void takeChosenScript(std::string_view script);

    bool okEnabled() const { return !view_.name.empty(); }
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
    ScriptPropertiesRules(MenuTree& tree, MenuKind menuKind, DialogMode mode, NodeHandle node, NodeHandle parent);
    void fillMacItemList();
    NodeKind chosenKind() const;
    bool shortcutStored() const;

    MenuTree* tree_;
    MenuKind menuKind_;
    DialogMode mode_;
    NodeHandle node_;
    NodeHandle parent_;
    bool ctrlHeld_ = false;
    ScriptPropertiesView view_;
};

}  // namespace tessary
