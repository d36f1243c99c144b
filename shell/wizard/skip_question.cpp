#include "shell/wizard/skip_question.h"

#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

class SkipQuestion : public Dialog {
private:
    bool onInit() override {
        setItemText(IDC_SKIP_TEXT, loadString(IDS_SKIP_WIZARD));
        return true;
    }
    void onCommand(int controlId, int notifyCode) override {
        if (controlId == IDC_SKIP_ALWAYS && notifyCode == BN_CLICKED) {
            EndDialog(hwnd(), IDC_SKIP_ALWAYS);
        }
    }
};

}  // namespace

SkipAnswer runSkipQuestion(HWND owner) {
    SkipQuestion question;
    switch (question.runModal(owner, IDD_WIZARD_SKIP)) {
        case IDOK:
            return SkipAnswer::ThisTime;
        case IDC_SKIP_ALWAYS:
            return SkipAnswer::Always;
        default:
            return SkipAnswer::Cancel;
    }
}

}  // namespace tessary
