#include "shell/dialogs/standard_menu_chooser.h"

#include "resources/resource.h"
#include "shell/tree_control.h"

namespace tessary {
namespace {

// Marks a chooser's window for the key filter.
constexpr const char* kChooserProperty = "TessaryStandardMenuChooser";

// Fills a drop-down list in the order given (the rules sort it) and selects an
// entry (-1: none).
void fillList(HWND list, const std::vector<std::string>& entries, int selected) {
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

}  // namespace

StandardMenuChooser::StandardMenuChooser(FmItemPropertiesRules& rules,
                                         const StandardMenuChooserContext& context,
                                         Picked picked)
    : rules_(context.files, context.settings, rules), kindImages_(context.kindImages), picked_(std::move(picked)) {}

std::unique_ptr<StandardMenuChooser> StandardMenuChooser::open(HWND owner,
                                                               FmItemPropertiesRules& rules,
                                                               const StandardMenuChooserContext& context,
                                                               Picked picked) {
    std::unique_ptr<StandardMenuChooser> chooser(new StandardMenuChooser(rules, context, std::move(picked)));
    if (!chooser->createModeless(owner, IDD_CHOOSE_FM_ITEM)) {
        return nullptr;
    }
    return chooser;
}

StandardMenuChooser::~StandardMenuChooser() {
    close();
}

void StandardMenuChooser::close() {
    if (HWND window = hwnd()) {
        DestroyWindow(window);
    }
}

bool StandardMenuChooser::onInit() {
    SetPropA(hwnd(), kChooserProperty, reinterpret_cast<HANDLE>(1));
    keyHook_ = SetWindowsHookExA(WH_MSGFILTER, keyFilter, nullptr, GetCurrentThreadId());
    HWND tree = item(IDC_CHOOSEFM_TREE);
    // Borrowed from the main tree: a tree control never destroys its image list.
    SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(kindImages_));
    mirror_ = std::make_unique<TreeViewMirror>(tree, rules_.tree());
    rules_.open();
    showVersions();
    return true;
}

// The owner's modal loop offers the dialog keys (Tab, the arrows, Enter, Esc)
// to its own window only; the chooser's keys get the same handling here.
LRESULT CALLBACK StandardMenuChooser::keyFilter(int code, WPARAM wParam, LPARAM lParam) {
    static thread_local bool filtering = false;
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && !filtering && msg && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST &&
        msg->hwnd) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        if (root && GetPropA(root, kChooserProperty)) {
            filtering = true;
            const BOOL handled = IsDialogMessageA(root, msg);
            filtering = false;
            if (handled) {
                return TRUE;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void StandardMenuChooser::showVersions() {
    fillList(item(IDC_CHOOSEFM_VERSION), rules_.versions(), rules_.versionIndex());
    showModes();
}

void StandardMenuChooser::showModes() {
    fillList(item(IDC_CHOOSEFM_MODE), rules_.modes(), rules_.modeIndex());
    takeSelection();
}

void StandardMenuChooser::takeSelection() {
    rules_.select(rules_.tree().selected());
    enableItem(IDOK, rules_.okEnabled());
}

void StandardMenuChooser::onCommand(int controlId, int notifyCode) {
    if (notifyCode != CBN_SELCHANGE) {
        return;
    }
    const int entry = static_cast<int>(SendMessageA(item(controlId), CB_GETCURSEL, 0, 0));
    if (controlId == IDC_CHOOSEFM_VERSION) {
        rules_.chooseVersion(entry);
        showModes();
    } else if (controlId == IDC_CHOOSEFM_MODE) {
        rules_.chooseMode(entry);
        takeSelection();
    }
}

bool StandardMenuChooser::onOk() {
    const StandardMenuChooserRules::Pick pick = rules_.ok();
    if (pick == StandardMenuChooserRules::Pick::Nothing) {
        return false;
    }
    if (picked_) {
        picked_(pick);
    }
    if (pick == StandardMenuChooserRules::Pick::Command) {
        close();
    } else {
        ShowWindow(hwnd(), SW_HIDE);  // the owner holds it until its own OK or Cancel
    }
    return false;
}

bool StandardMenuChooser::onCancel() {
    if (rules_.heldByOwner()) {
        ShowWindow(hwnd(), SW_HIDE);
    } else {
        close();
    }
    return false;
}

INT_PTR StandardMenuChooser::onMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_DESTROY) {
        release();
        return FALSE;
    }
    if (message != WM_NOTIFY || !mirror_) {
        return FALSE;
    }
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom != IDC_CHOOSEFM_TREE) {
        return FALSE;
    }
    const auto& info = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
    if (header.code == TVN_SELCHANGEDA) {
        mirror_->onSelectionChanged(info);
        takeSelection();
    } else if (header.code == TVN_ITEMEXPANDEDA) {
        mirror_->onItemExpanded(info);
    }
    return FALSE;
}

// Closing: the tree control lets go of the chooser's tree, and the chooser of
// its tree, which is freed unless the owner's rules hold it.
void StandardMenuChooser::release() {
    mirror_.reset();
    rules_.close();
    if (keyHook_) {
        UnhookWindowsHookEx(keyHook_);
        keyHook_ = nullptr;
    }
    RemovePropA(hwnd(), kChooserProperty);
}

}  // namespace tessary
