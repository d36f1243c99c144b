#include "editor/copy_hint_rules.h"

#include "resources/resource.h"

namespace tessary {

bool copyHintShows(SettingsStore& settings) {
    return readShowHintSetting(settings);
}

CopyHintFields copyHintFieldsFor(SettingsStore& settings, bool stringForm) {
    CopyHintFields fields;
    fields.messageId = stringForm ? IDS_HINT_PASTE_CALCULATION : IDS_HINT_PASTE_FIELD;
    fields.doNotShowAgain = !readShowHintSetting(settings);
    return fields;
}

void acceptCopyHint(SettingsStore& settings, const CopyHintFields& fields) {
    if (fields.doNotShowAgain) {
        writeFlagSetting(settings, kSettingShowHint, false);
    }
}

}  // namespace tessary
