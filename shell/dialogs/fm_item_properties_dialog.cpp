// "Menu Item Properties": a FileMaker command added or edited, or a whole
// standard FileMaker menu added.
#include "shell/dialogs/dialogs.h"

#include "editor/fm_item_properties_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/dialogs/item_dialog_controls.h"
#include "shell/dialogs/standard_menu_chooser.h"

namespace tessary {
namespace {

class FmItemPropertiesDialog : public Dialog {
public:
    FmItemPropertiesDialog(FmItemPropertiesRules& rules, const StandardMenuChooserContext& context)
        : rules_(rules), context_(context) {}

private:
    bool onInit() override {
        SendMessageA(item(IDC_ITEM_NAME), EM_LIMITTEXT, kMaxTextLength, 0);
        SendMessageA(item(IDC_ITEM_USER_STRING), EM_LIMITTEXT, kMaxTextLength, 0);
        createSeveralItemsText();
        sizeListEntries(item(IDC_ITEM_KEY));
        fillKeyList(hwnd(), rules_.view().shortcut);
        refresh();
        SetFocus(item(IDC_ITEM_NAME));
        return false;
    }

    // The note of a command that FileMaker shows as several items stands over
    // the name group, where the name and its box are hidden for it.
    void createSeveralItemsText() {
        RECT name;
        GetWindowRect(item(IDC_ITEM_LOCAL_CAPTION), &name);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&name), 2);
        HWND text = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_LEFT, name.left, name.top, 250, 40, hwnd(),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FMITEM_SEVERAL)),
                                    GetModuleHandleA(nullptr), nullptr);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }

    void refresh() {
        refreshing_ = true;
        const FmItemPropertiesView& v = rules_.view();
        showCheck(hwnd(), IDC_ITEM_LOCAL_CAPTION, v.localCaptionTicked);
        showControl(hwnd(), IDC_ITEM_LOCAL_CAPTION, v.localCaptionShown);
        showText(hwnd(), IDC_ITEM_NAME, v.name, v.nameEnabled);
        showControl(hwnd(), IDC_ITEM_NAME, v.nameShown);
        showText(hwnd(), IDC_FMITEM_SEVERAL, v.severalItemsText);
        showControl(hwnd(), IDC_FMITEM_SEVERAL, v.severalItemsShown);
        showText(hwnd(), IDC_FMITEM_KEYWORD, v.keyword);
        showText(hwnd(), IDC_ITEM_USER_STRING, v.userString, v.userStringEnabled);
        showCheck(hwnd(), IDC_ITEM_ENABLED, v.enabled, v.enabledEnabled);
        showPlatformBoxes(hwnd(), v.platforms);
        showShortcut(hwnd(), v.shortcut);
        enableItem(IDOK, rules_.okEnabled());
        refreshing_ = false;
    }

    // "Choose..." closes a chooser this dialog still holds and opens a new one.
    void openChooser() {
        chooser_.reset();
        chooser_ =
            StandardMenuChooser::open(hwnd(), rules_, context_, [this](StandardMenuChooserRules::Pick) { refresh(); });
    }

    void onCommand(int id, int code) override {
        if (refreshing_) {
            return;
        }
        if (id == IDC_FMITEM_CHOOSE && code == BN_CLICKED) {
            openChooser();
            return;
        }
        if (code == EN_CHANGE) {
            if (id == IDC_ITEM_NAME) {
                rules_.setName(itemText(id));
                enableItem(IDOK, rules_.okEnabled());
            } else if (id == IDC_ITEM_USER_STRING) {
                rules_.setUserString(itemText(id));
            } else if (id == IDC_FMITEM_KEYWORD) {
                rules_.setKeyword(itemText(id));
                refresh();
            }
            return;
        }
        if (forwardShortcutOrPlatform(hwnd(), id, code, rules_)) {
            refresh();
            return;
        }
        if (code != BN_CLICKED) {
            return;
        }
        if (id == IDC_ITEM_LOCAL_CAPTION) {
            rules_.tickLocalCaption(isChecked(id));
        } else if (id == IDC_ITEM_ENABLED) {
            rules_.tickEnabled(isChecked(id));
        }
        refresh();
    }

    INT_PTR onMessage(UINT message, WPARAM, LPARAM lParam) override {
        if (message != WM_DRAWITEM) {
            return FALSE;
        }
        drawKeyListEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), rules_.view().shortcut);
        return TRUE;
    }

    bool onOk() override {
        if (!rules_.okEnabled()) {
            return false;
        }
        rules_.setCtrlHeld(ctrlHeldNow());
        if (!passOkChecks(hwnd(), rules_.okChecks())) {
            return false;
        }
        // A chosen standard menu stays in the rules, which copy its items.
        chooser_.reset();
        return true;
    }

    FmItemPropertiesRules& rules_;
    const StandardMenuChooserContext& context_;
    std::unique_ptr<StandardMenuChooser> chooser_;
    bool refreshing_ = false;
};

}  // namespace

bool runFmItemPropertiesDialog(HWND owner, FmItemPropertiesRules& rules, const StandardMenuChooserContext& chooser) {
    FmItemPropertiesDialog dialog(rules, chooser);
    return dialog.runModal(owner, IDD_FMITEM_PROPERTIES) == IDOK;
}

}  // namespace tessary
