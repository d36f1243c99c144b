// "Select Script": lists the scripts of the file open in FileMaker, as the
// plug-in reports them, and hands the chosen one to "Script Properties".
#include "shell/dialogs/dialogs.h"

#include <commctrl.h>

#include <climits>

#include "editor/script_properties_rules.h"
#include "editor/small_dialog_rules.h"
#include "fmlink/plugin_link.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

constexpr int kColumnWidth = 238;

class SelectScriptDialog : public Dialog {
public:
    SelectScriptDialog(ScriptPropertiesRules& owner, PluginLink& link) : rules_(owner), link_(link) {}

    ScriptChooserRules& rules() { return rules_; }

private:
    HWND list() const { return item(IDC_SELSCRIPT_LIST); }

    bool onInit() override {
        HWND rows = list();
        SendMessageA(rows, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        const int cx = GetSystemMetrics(SM_CXSMICON);
        const int cy = GetSystemMetrics(SM_CYSMICON);
        // The list destroys its image list with itself.
        HIMAGELIST images = ImageList_Create(cx, cy, ILC_COLOR8 | ILC_MASK, 1, 0);
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SCRIPT_ITEM), IMAGE_ICON, cx, cy, 0));
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
        SendMessageA(rows, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = dpiScaled(kColumnWidth);
        column.pszText = const_cast<char*>("Scripts");
        SendMessageA(rows, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        showRows();
        return true;
    }

    // The rows of the last answer; the list sorts them itself.
    void showRows() {
        HWND rows = list();
        SendMessageA(rows, LVM_DELETEALLITEMS, 0, 0);
        for (const std::string& name : rules_.rows()) {
            LVITEMA row = {};
            row.mask = LVIF_TEXT | LVIF_IMAGE;
            row.iItem = INT_MAX;
            row.pszText = const_cast<char*>(name.c_str());
            SendMessageA(rows, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
        }
        takeSelection();
    }

    void takeSelection() {
        const int selected = static_cast<int>(SendMessageA(list(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
        char text[kScriptNameLength + 1] = {};
        if (selected >= 0) {
            LVITEMA row = {};
            row.pszText = text;
            row.cchTextMax = sizeof text;
            SendMessageA(list(), LVM_GETITEMTEXTA, selected, reinterpret_cast<LPARAM>(&row));
        }
        rules_.select(text);
        enableItem(IDOK, rules_.okEnabled());
    }

    void onCommand(int id, int code) override {
        if (id == IDC_SELSCRIPT_REFRESH && code == BN_CLICKED) {
            // A failed request has told the user, and leaves the list empty.
            link_.requestScripts();
            rules_.fill(link_.scripts());
            showRows();
        }
    }

    INT_PTR onMessage(UINT message, WPARAM, LPARAM lParam) override {
        if (message != WM_NOTIFY) {
            return FALSE;
        }
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom != IDC_SELSCRIPT_LIST) {
            return FALSE;
        }
        if (header.code == LVN_ITEMCHANGED || header.code == NM_CLICK) {
            takeSelection();
        } else if (header.code == NM_DBLCLK) {
            takeSelection();
            if (rules_.okEnabled()) {
                PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
        }
        return FALSE;
    }

    bool onOk() override { return rules_.ok(); }

    ScriptChooserRules rules_;
    PluginLink& link_;
};

}  // namespace

bool runSelectScriptDialog(HWND owner, ScriptPropertiesRules& rules, PluginLink& link) {
    if (!link.requestScripts()) {
        return false;
    }
    SelectScriptDialog dialog(rules, link);
    dialog.rules().fill(link.scripts());
    return dialog.runModal(owner, IDD_SELECT_SCRIPT) == IDOK;
}

}  // namespace tessary
