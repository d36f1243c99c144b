// The hint after Copy Code and Copy String Code: it tells where the copied menu
// code can be pasted, while the "ShowHint" setting is on, and its box "Do not
// show again" turns the setting off.
#pragma once

#include "documents/settings_store.h"

namespace tessary {

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

}  // namespace tessary
