// "Script Properties": a script item or a Mac system item, added or edited.
#include "shell/dialogs/dialogs.h"

#include "editor/script_properties_rules.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/dialogs/item_dialog_controls.h"
#include "shell/plugin_prompts.h"

namespace tessary {
namespace {

// The name field takes 255 typed characters, of which 249 are kept.
constexpr int kNameTyped = 255;

class ScriptPropertiesDialog : public Dialog {
public:
    explicit ScriptPropertiesDialog(ScriptPropertiesRules& rules) : rules_(rules) {}

private:
    bool onInit() override {
        SendMessageA(item(IDC_ITEM_NAME), EM_LIMITTEXT, kNameTyped, 0);
        SendMessageA(item(IDC_SCRIPT_SCRIPT), EM_LIMITTEXT, kMaxTextLength, 0);
        SendMessageA(item(IDC_ITEM_USER_STRING), EM_LIMITTEXT, kMaxTextLength, 0);
        const ScriptPropertiesView& v = rules_.view();
        HWND macItems = item(IDC_SCRIPT_MAC_ITEM);
        if (v.macItemEnabled) {
            for (int i = 0; i < kMacSystemItemCount; ++i) {
                SendMessageA(macItems, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(macSystemItemName(static_cast<MacSystemItem>(i))));
            }
        }
        sizeListEntries(macItems);
        sizeListEntries(item(IDC_ITEM_KEY));
        fillKeyList(hwnd(), v.shortcut);
        refresh();
        SetFocus(item(IDC_ITEM_NAME));
        return false;
    }

    void refresh() {
        refreshing_ = true;
        const ScriptPropertiesView& v = rules_.view();
        HWND macItems = item(IDC_SCRIPT_MAC_ITEM);
        SendMessageA(macItems, CB_SETCURSEL, v.macItemEnabled ? static_cast<int>(v.macItem) : -1, 0);
        EnableWindow(macItems, v.macItemEnabled);
        showText(hwnd(), IDC_ITEM_NAME, v.name);
        showText(hwnd(), IDC_SCRIPT_SCRIPT, v.script);
        showText(hwnd(), IDC_ITEM_USER_STRING, v.userString);
        showCheck(hwnd(), IDC_ITEM_ENABLED, v.enabled);
        showCheck(hwnd(), IDC_SCRIPT_CHECK_ON, v.checkOn, v.checkOnEnabled);
        showPlatformBoxes(hwnd(), v.platforms);
        showShortcut(hwnd(), v.shortcut);
        enableItem(IDOK, rules_.okEnabled());
        refreshing_ = false;
    }

    void onCommand(int id, int code) override {
        if (refreshing_) {
            return;
        }
        if (code == EN_CHANGE) {
            const std::string text = itemText(id);
            if (id == IDC_ITEM_NAME) {
                rules_.setName(text);
            } else if (id == IDC_SCRIPT_SCRIPT) {
                rules_.setScript(text);
            } else if (id == IDC_ITEM_USER_STRING) {
                rules_.setUserString(text);
            }
            enableItem(IDOK, rules_.okEnabled());
            return;
        }
        if (forwardShortcutOrPlatform(hwnd(), id, code, rules_)) {
            refresh();
            return;
        }
        if (id == IDC_SCRIPT_MAC_ITEM && code == CBN_SELCHANGE) {
            rules_.chooseMacItem(static_cast<MacSystemItem>(SendMessageA(item(id), CB_GETCURSEL, 0, 0)));
            refresh();
            return;
        }
        if (code != BN_CLICKED) {
            return;
        }
        if (id == IDC_SCRIPT_CHOOSE) {
            MessageBoxPluginPrompts prompts(hwnd());
            PluginLink link(prompts);
            runSelectScriptDialog(hwnd(), rules_, link);
        } else if (id == IDC_ITEM_ENABLED) {
            rules_.tickEnabled(isChecked(id));
        } else if (id == IDC_SCRIPT_CHECK_ON) {
            rules_.tickCheckOn(isChecked(id));
        }
        refresh();
    }

    INT_PTR onMessage(UINT message, WPARAM, LPARAM lParam) override {
        if (message != WM_DRAWITEM) {
            return FALSE;
        }
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw.CtlID == IDC_ITEM_KEY) {
            drawKeyListEntry(draw, rules_.view().shortcut);
        } else {
            const int entry = static_cast<int>(draw.itemID);
            drawListEntry(draw, entry >= 0 && entry < kMacSystemItemCount && rules_.view().macItemGrey[entry]);
        }
        return TRUE;
    }

    bool onOk() override {
        if (!rules_.okEnabled()) {
            return false;
        }
        rules_.setCtrlHeld(ctrlHeldNow());
        return passOkChecks(hwnd(), rules_.okChecks());
    }

    ScriptPropertiesRules& rules_;
    bool refreshing_ = false;
};

}  // namespace

bool runScriptPropertiesDialog(HWND owner, ScriptPropertiesRules& rules) {
    ScriptPropertiesDialog dialog(rules);
    return dialog.runModal(owner, IDD_SCRIPT_PROPERTIES) == IDOK;
}

}  // namespace tessary
