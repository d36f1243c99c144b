// "Separator Properties": a separator added, or its platforms changed.
#include "shell/dialogs/dialogs.h"

#include "editor/separator_properties_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/dialogs/item_dialog_controls.h"

namespace tessary {
namespace {

class SeparatorPropertiesDialog : public Dialog {
public:
    explicit SeparatorPropertiesDialog(SeparatorPropertiesRules& rules) : rules_(rules) {}

private:
    bool onInit() override {
        showPlatformBoxes(hwnd(), rules_.platforms());
        return true;
    }

    void onCommand(int id, int code) override {
        if (auto box = platformBoxOf(id); box && code == BN_CLICKED) {
            rules_.clickPlatform(*box);
            showPlatformBoxes(hwnd(), rules_.platforms());
        }
    }

    bool onOk() override {
        rules_.setCtrlHeld(ctrlHeldNow());
        return passOkChecks(hwnd(), rules_.okChecks());
    }

    SeparatorPropertiesRules& rules_;
};

}  // namespace

bool runSeparatorPropertiesDialog(HWND owner, SeparatorPropertiesRules& rules) {
    SeparatorPropertiesDialog dialog(rules);
    return dialog.runModal(owner, IDD_SEPARATOR_PROPERTIES) == IDOK;
}

}  // namespace tessary
