// "Preferences": the start-up wizard and the hint after the copy commands.
#include "shell/dialogs/dialogs.h"

#include "editor/small_dialog_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"

namespace tessary {
namespace {

class PreferencesDialog : public Dialog {
public:
    explicit PreferencesDialog(PreferencesFields& fields) : fields_(fields) {}

private:
    bool onInit() override {
        setChecked(IDC_PREFS_WIZARD, fields_.showWizardOnStart);
        setChecked(IDC_PREFS_SHOW_HINT, fields_.showHintOnCopy);
        const bool fileMaker6 = fields_.fileMaker == FileMakerGeneration::FileMaker5To6;
        setChecked(IDC_PREFS_FILEMAKER_6, fileMaker6);
        setChecked(IDC_PREFS_FILEMAKER_7, !fileMaker6);
        return true;
    }

    bool onOk() override {
        fields_.showWizardOnStart = isChecked(IDC_PREFS_WIZARD);
        fields_.showHintOnCopy = isChecked(IDC_PREFS_SHOW_HINT);
        fields_.fileMaker = isChecked(IDC_PREFS_FILEMAKER_6) ? FileMakerGeneration::FileMaker5To6
                                                             : FileMakerGeneration::FileMaker7AndLater;
        return true;
    }

    PreferencesFields& fields_;
};

}  // namespace

bool runPreferencesDialog(HWND owner, PreferencesFields& io) {
    PreferencesFields fields = io;
    PreferencesDialog dialog(fields);
    if (dialog.runModal(owner, IDD_PREFERENCES) != IDOK) {
        return false;
    }
    io = fields;
    return true;
}

}  // namespace tessary
