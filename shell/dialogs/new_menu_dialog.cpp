// "New menu": asks for the kind of a new document.
#include "shell/dialogs/dialogs.h"

#include "editor/small_dialog_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"

namespace tessary {
namespace {

class NewMenuDialog : public Dialog {
public:
    explicit NewMenuDialog(NewMenuFields& fields) : fields_(fields) {}

private:
    bool onInit() override {
        const NewMenuButtons buttons = newMenuButtonsFor(fields_.kind);
        setChecked(IDC_NEWMENU_MAIN, buttons.mainMenu);
        setChecked(IDC_NEWMENU_CONTEXT, buttons.contextMenu);
        setChecked(IDC_NEWMENU_POPUP, buttons.popupMenu);
        return true;
    }

    bool onOk() override {
        fields_.kind =
            newMenuKindOf({isChecked(IDC_NEWMENU_MAIN), isChecked(IDC_NEWMENU_CONTEXT), isChecked(IDC_NEWMENU_POPUP)});
        return true;
    }

    NewMenuFields& fields_;
};

}  // namespace

bool runNewMenuDialog(HWND owner, NewMenuFields& io) {
    NewMenuFields fields = io;
    NewMenuDialog dialog(fields);
    if (dialog.runModal(owner, IDD_NEW_MENU) != IDOK) {
        return false;
    }
    io = fields;
    return true;
}

}  // namespace tessary
