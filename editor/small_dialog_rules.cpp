#include "editor/small_dialog_rules.h"

#include "resources/resource.h"

namespace tessary {

NewMenuButtons newMenuButtonsFor(MenuKind current) {
    NewMenuButtons buttons;
    switch (current) {
        case MenuKind::ContextMenu:
            buttons.contextMenu = true;
            break;
        case MenuKind::PopupMenu:
            buttons.popupMenu = true;
            break;
        default:
            buttons.mainMenu = true;
            break;
    }
    return buttons;
}

MenuKind newMenuKindOf(const NewMenuButtons& buttons) {
    if (buttons.mainMenu) {
        return MenuKind::MainMenu;
    }
    return buttons.contextMenu ? MenuKind::ContextMenu : MenuKind::PopupMenu;
}

PreferencesFields readPreferences(SettingsStore& settings) {
    return {readWizardSetting(settings), readShowHintSetting(settings), readUseFmSetting(settings)};
}

void writePreferences(SettingsStore& settings, const PreferencesFields& fields) {
    writeUseFmSetting(settings, fields.fileMaker);
    writeFlagSetting(settings, kSettingWizard, fields.showWizardOnStart);
    writeFlagSetting(settings, kSettingShowHint, fields.showHintOnCopy);
}

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

void ScriptChooserRules::fill(PluginAnswer& answer) {
    rows_.clear();
    selected_.clear();
    char name[kScriptNameLength + 1] = {};
    while (size_t length = answer.nextName(name, sizeof name)) {
        rows_.emplace_back(name, length);
    }
}

bool ScriptChooserRules::ok() {
    if (!okEnabled()) {
        return false;
    }
    owner_.takeChosenScript(selected_);
    return true;
}

}  // namespace tessary
