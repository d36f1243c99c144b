#include "shell/dialogs/preferences_dialog.h"

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
        return true;
    }

    bool onOk() override {
        fields_.showWizardOnStart = isChecked(IDC_PREFS_WIZARD);
        fields_.showHintOnCopy = isChecked(IDC_PREFS_SHOW_HINT);
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
