// The "Preferences" dialog: the two start-up and copy settings it shows, and
// what OK writes.
#pragma once

#include "documents/settings_store.h"

namespace tessary {

struct PreferencesFields {
    bool showWizardOnStart = true;  // "Show Wizard on start up": the "Wizard" setting
    bool showHintOnCopy = true;     // "Show hint on copy code": the "ShowHint" setting
};

PreferencesFields readPreferences(SettingsStore& settings);

// OK writes "UseFM" as 0 (the dialog offers no FileMaker generation, and 0
// reads back as the newest), then "Wizard" and "ShowHint", in that order.
void writePreferences(SettingsStore& settings, const PreferencesFields& fields);

}  // namespace tessary
