// "Menu Properties": a menu or the application menu, added or edited.
#include "shell/dialogs/dialogs.h"

#include "editor/menu_properties_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/dialogs/item_dialog_controls.h"

namespace tessary {
namespace {

class MenuPropertiesDialog : public Dialog {
public:
    explicit MenuPropertiesDialog(MenuPropertiesRules& rules) : rules_(rules) {}

private:
    bool onInit() override {
        SendMessageA(item(IDC_ITEM_NAME), EM_LIMITTEXT, kMaxTextLength, 0);
        refresh();
        SetFocus(item(IDC_ITEM_NAME));
        return false;
    }

    void refresh() {
        refreshing_ = true;
        const MenuPropertiesView& v = rules_.view();
        showCheck(hwnd(), IDC_MENU_APP_MENU, v.appMenuTicked, v.appMenuEnabled);
        showCheck(hwnd(), IDC_ITEM_LOCAL_CAPTION, v.localCaptionTicked, v.localCaptionEnabled);
        showText(hwnd(), IDC_ITEM_NAME, v.name, v.nameEnabled);
        showControl(hwnd(), IDC_MENU_NOTE, v.appMenuNoteShown);
        showPlatformBoxes(hwnd(), v.platforms);
        enableItem(IDOK, rules_.okEnabled());
        refreshing_ = false;
    }

    void onCommand(int id, int code) override {
        if (refreshing_) {
            return;
        }
        if (id == IDC_ITEM_NAME && code == EN_CHANGE) {
            rules_.setName(itemText(IDC_ITEM_NAME));
            enableItem(IDOK, rules_.okEnabled());
            return;
        }
        if (code != BN_CLICKED) {
            return;
        }
        if (id == IDC_MENU_APP_MENU) {
            rules_.tickAppMenu(isChecked(IDC_MENU_APP_MENU));
        } else if (id == IDC_ITEM_LOCAL_CAPTION) {
            rules_.tickLocalCaption(isChecked(IDC_ITEM_LOCAL_CAPTION));
        } else if (auto box = platformBoxOf(id)) {
            rules_.clickPlatform(*box);
        }
        refresh();
    }

    bool onOk() override {
        rules_.setCtrlHeld(ctrlHeldNow());
        return passOkChecks(hwnd(), rules_.okChecks());
    }

    MenuPropertiesRules& rules_;
    bool refreshing_ = false;
};

}  // namespace

bool runMenuPropertiesDialog(HWND owner, MenuPropertiesRules& rules) {
    MenuPropertiesDialog dialog(rules);
    return dialog.runModal(owner, IDD_MENU_PROPERTIES) == IDOK;
}

}  // namespace tessary
