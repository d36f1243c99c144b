// The hint after Copy Code and Copy String Code: one centred line telling
// where the code can be pasted, and "Do not show again".
#include "shell/dialogs/dialogs.h"

#include "editor/small_dialog_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

class CopyHintDialog : public Dialog {
public:
    explicit CopyHintDialog(CopyHintFields& fields) : fields_(fields) {}

private:
    bool onInit() override {
        setItemText(IDC_HINT_TEXT, loadString(fields_.messageId));
        setChecked(IDC_HINT_DO_NOT_SHOW, fields_.doNotShowAgain);
        return true;
    }

    bool onOk() override {
        fields_.doNotShowAgain = isChecked(IDC_HINT_DO_NOT_SHOW);
        return true;
    }

    CopyHintFields& fields_;
};

}  // namespace

bool runCopyHintDialog(HWND owner, CopyHintFields& io) {
    CopyHintFields fields = io;
    CopyHintDialog dialog(fields);
    if (dialog.runModal(owner, IDD_HINT) != IDOK) {
        return false;
    }
    io = fields;
    return true;
}

}  // namespace tessary
