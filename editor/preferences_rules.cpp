#include "editor/preferences_rules.h"

namespace tessary {

PreferencesFields readPreferences(SettingsStore& settings) {
    return {readWizardSetting(settings), readShowHintSetting(settings)};
}

void writePreferences(SettingsStore& settings, const PreferencesFields& fields) {
    settings.writeSetting(kSettingUseFm, 0);
    writeFlagSetting(settings, kSettingWizard, fields.showWizardOnStart);
    writeFlagSetting(settings, kSettingShowHint, fields.showHintOnCopy);
}

}  // namespace tessary
