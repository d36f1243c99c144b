#include "editor/copy_hint_rules.h"

#include "resources/resource.h"

namespace tessary {

bool copyHintShows(SettingsStore& settings) {
    return readShowHintSetting(settings);
}

CopyHintFields copyHintFieldsFor(SettingsStore& settings, bool stringForm) {
    CopyHintFields fields;
    if (!stringForm) {
        fields.messageId = IDS_HINT_PASTE_FIELD;
    } else if (readUseFmSetting(settings) == FileMakerGeneration::FileMaker5To6) {
        fields.messageId = IDS_HINT_PASTE_CALCULATION_FM6;
    } else {
        fields.messageId = IDS_HINT_PASTE_CALCULATION;
    }
    fields.doNotShowAgain = !readShowHintSetting(settings);
    return fields;
}

void acceptCopyHint(SettingsStore& settings, const CopyHintFields& fields) {
    if (fields.doNotShowAgain) {
        writeFlagSetting(settings, kSettingShowHint, false);
    }
}

}  // namespace tessary
