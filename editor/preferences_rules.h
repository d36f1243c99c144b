// The "Preferences" dialog: the start-up and copy settings it shows, and what
// OK writes.
#pragma once

#include "documents/settings_store.h"

namespace tessary {

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

}  // namespace tessary
