// The pattern every dialog of the editor follows. A dialog is a class derived
// from Dialog, in a file of its own here, with one entry function that takes
// the owner and an in/out struct of the dialog's fields and returns whether OK
// was pressed. The rules it applies (what is valid, which controls are
// enabled, what goes into the tree or the settings) are a plain class or
// functions in editor/, tested without windows; the dialog only moves values
// between its controls and those rules.
//
// The object lives with its HWND: the base keeps it in the window's user data
// from WM_INITDIALOG on and hands it each message.
#pragma once

#include <windows.h>

#include <string>

namespace tessary {

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog template modally, centred over its owner. The id of the
    // button that ended it (IDOK, IDCANCEL), or -1 when it could not be made.
    INT_PTR runModal(HWND owner, UINT templateId);
    // Creates the dialog template as a modeless window centred over its owner;
    // null when it could not be made. OK and Cancel destroy it (see onOk and
    // onCancel); it is shown as its template says.
    HWND createModeless(HWND owner, UINT templateId);

protected:
    virtual ~Dialog() = default;

    // WM_INITDIALOG: fill the controls from the fields. True lets the dialog
    // give the focus to its first control; false when onInit set it.
    virtual bool onInit() { return true; }
    // WM_COMMAND of a control, other than OK and Cancel.
    virtual void onCommand(int /*controlId*/, int /*notifyCode*/) {}
    // OK was pressed: read the controls back; false keeps the dialog open.
    virtual bool onOk() { return true; }
    // Cancel (or Esc, or the close box) was pressed; false keeps the dialog open.
    virtual bool onCancel() { return true; }
    // Any other message, with the dialog procedure's return value: FALSE when
    // not handled (a message that returns a value sets DWLP_MSGRESULT).
    virtual INT_PTR onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return FALSE; }

    HWND hwnd() const { return window_; }
    HWND item(int controlId) const { return GetDlgItem(window_, controlId); }
    bool isChecked(int controlId) const;
    void setChecked(int controlId, bool checked);
    std::string itemText(int controlId) const;
    void setItemText(int controlId, const std::string& text);
    void enableItem(int controlId, bool enabled);

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Ends a modal dialog with the result, destroys a modeless one.
    void end(INT_PTR result);

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    bool modal_ = true;
};

}  // namespace tessary
