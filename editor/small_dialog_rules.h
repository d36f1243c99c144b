// The rules of the small dialogs: "New menu", "Preferences", the hint after
// the copy commands and "Select Script". Each is a few fields and what OK does
// with them; the dialogs in shell/dialogs move the values between their
// controls and these.
#pragma once

#include <string>
#include <vector>

#include "documents/settings_store.h"
#include "editor/filemaker_link_rules.h"
#include "editor/script_properties_rules.h"
#include "model/menu_item_record.h"

namespace tessary {

// ---- "New menu" ----
// It opens on the current document's kind, and OK gives the kind of the first
// ticked button, tested in the order Main menu, Context menu, Pop-Up menu.

struct NewMenuFields {
    MenuKind kind = MenuKind::MainMenu;  // in: the current document's kind; out: the chosen kind
};

struct NewMenuButtons {
    bool mainMenu = false;
    bool contextMenu = false;
    bool popupMenu = false;
};

// The buttons ticked when the dialog opens.
NewMenuButtons newMenuButtonsFor(MenuKind current);
// The kind OK chooses.
MenuKind newMenuKindOf(const NewMenuButtons& buttons);

// ---- "Preferences" ----
// The start-up and copy settings it shows, and what OK writes.

struct PreferencesFields {
    bool showWizardOnStart = true;  // "Show Wizard on start up": the "Wizard" setting
    bool showHintOnCopy = true;     // "Show hint on copy code": the "ShowHint" setting
    // "FileMaker version": the "UseFM" setting, whose calculations Copy String Code writes.
    FileMakerGeneration fileMaker = FileMakerGeneration::FileMaker7AndLater;
};

PreferencesFields readPreferences(SettingsStore& settings);

// OK writes "UseFM" as the chosen generation (6 or 7), then "Wizard" and
// "ShowHint", in that order.
void writePreferences(SettingsStore& settings, const PreferencesFields& fields);

// ---- The hint after Copy Code and Copy String Code ----
// It tells where the copied menu code can be pasted, while the "ShowHint"
// setting is on, and its box "Do not show again" turns the setting off.

struct CopyHintFields {
    unsigned messageId = 0;       // the string-table text shown
    bool doNotShowAgain = false;  // "Do not show again"
};

// Whether the hint shows after a copy at all.
bool copyHintShows(SettingsStore& settings);

// What the hint shows after Copy Code (stringForm false) or Copy String Code,
// whose hint names the FileMaker generation the calculation was written for:
// "Do not show again" starts ticked exactly when the setting is off.
CopyHintFields copyHintFieldsFor(SettingsStore& settings, bool stringForm);

// OK: a ticked box turns the setting off; an unticked one leaves it alone.
// Closing the hint any other way writes nothing.
void acceptCopyHint(SettingsStore& settings, const CopyHintFields& fields);

// ---- "Select Script" ----
// The scripts of the file open in FileMaker, as the plug-in reports them, one
// row each; OK hands the selected one to "Script Properties". The list control
// sorts the rows itself.

// A script name in the list holds up to this many characters.
constexpr size_t kScriptNameLength = 254;

class ScriptChooserRules {
public:
    explicit ScriptChooserRules(ScriptPropertiesRules& owner) : owner_(owner) {}

    // The rows of a new answer, in the answer's order; nothing is selected.
    void fill(PluginAnswer& answer);
    const std::vector<std::string>& rows() const { return rows_; }

    // The text of the selected row; empty when no row is selected.
    void select(const std::string& row) { selected_ = row; }
    bool okEnabled() const { return !selected_.empty(); }
    // OK (also a double click): the selected script goes into the owner's
    // script field, and into its name field while that is empty. False, with
    // nothing handed over, while no row is selected.
    bool ok();

private:
    ScriptPropertiesRules& owner_;
    std::vector<std::string> rows_;
    std::string selected_;
};

}  // namespace tessary
