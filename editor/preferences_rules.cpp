#include "editor/preferences_rules.h"

namespace tessary {

PreferencesFields readPreferences(SettingsStore& settings) {
    return {readWizardSetting(settings), readShowHintSetting(settings), readUseFmSetting(settings)};
}

void writePreferences(SettingsStore& settings, const PreferencesFields& fields) {
    writeUseFmSetting(settings, fields.fileMaker);
    writeFlagSetting(settings, kSettingWizard, fields.showWizardOnStart);
    writeFlagSetting(settings, kSettingShowHint, fields.showHintOnCopy);
}

}  // namespace tessary
