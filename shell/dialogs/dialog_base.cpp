#include "shell/dialogs/dialog_base.h"

#include "shell/window_helpers.h"

namespace tessary {

INT_PTR Dialog::runModal(HWND owner, UINT templateId) {
    owner_ = owner;
    modal_ = true;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(HWND owner, UINT templateId) {
    owner_ = owner;
    modal_ = false;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::end(INT_PTR result) {
    if (modal_) {
        EndDialog(window_, result);
    } else {
        DestroyWindow(window_);
    }
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        centerWindow(window, self->owner_);
        return self->onInit() ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self) {
        return FALSE;
    }
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        if (id == IDOK) {
            if (self->onOk()) {
                self->end(IDOK);
            }
            return TRUE;
        }
        if (id == IDCANCEL) {
            if (self->onCancel()) {
                self->end(IDCANCEL);
            }
            return TRUE;
        }
        self->onCommand(id, HIWORD(wParam));
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
    }
    return self->onMessage(message, wParam, lParam);
}

bool Dialog::isChecked(int controlId) const {
    return IsDlgButtonChecked(window_, controlId) == BST_CHECKED;
}

void Dialog::setChecked(int controlId, bool checked) {
    CheckDlgButton(window_, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::string Dialog::itemText(int controlId) const {
    return windowText(item(controlId));
}

void Dialog::setItemText(int controlId, const std::string& text) {
    SetDlgItemTextA(window_, controlId, text.c_str());
}

void Dialog::enableItem(int controlId, bool enabled) {
    EnableWindow(item(controlId), enabled);
}

}  // namespace tessary
