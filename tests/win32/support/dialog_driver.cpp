#include "support/dialog_driver.h"

#include <gtest/gtest.h>

namespace tessary::test {
namespace {

thread_local DialogDriver* tCurrent = nullptr;

bool isDialog(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

BOOL CALLBACK closeDialogs(HWND window, LPARAM) {
    if (isDialog(window) && IsWindowVisible(window)) {
        ADD_FAILURE() << "dialog still open at the watchdog: " << DialogDriver::windowText(window) << ": "
                      << DialogDriver::messageText(window);
        if (tCurrent) {
            tCurrent->markWatchdogFired();
        }
        // A message box ends on IDCANCEL or its only button; a dialog on IDCANCEL.
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

}  // namespace

DialogDriver::DialogDriver(UINT watchdogMs) {
    // Drivers nest: an inner one takes the dialogs until it goes.
    previous_ = tCurrent;
    tCurrent = this;
    hook_ = SetWindowsHookExA(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
    timer_ = SetTimer(nullptr, 0, watchdogMs, watchdogProc);
}

DialogDriver::~DialogDriver() {
    if (timer_) {
        KillTimer(nullptr, timer_);
    }
    if (hook_) {
        UnhookWindowsHookEx(hook_);
    }
    if (tCurrent == this) {
        tCurrent = previous_;
    }
}

void DialogDriver::next(Action action) {
    actions_.push_back(std::move(action));
}

void DialogDriver::answerMessageBox(int buttonId, std::string* text, std::string* caption) {
    next([=](HWND dialog) {
        if (text) {
            *text = messageText(dialog);
        }
        if (caption) {
            *caption = windowText(dialog);
        }
        press(dialog, buttonId);
    });
}

void DialogDriver::later(std::function<void()> step) {
    steps_.push_back(std::move(step));
    SetTimer(nullptr, 0, 1, laterProc);
}

void CALLBACK DialogDriver::laterProc(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    DialogDriver* self = tCurrent;
    if (!self || self->steps_.empty()) {
        return;
    }
    std::function<void()> step = std::move(self->steps_.front());
    self->steps_.pop_front();
    step();
}

std::string DialogDriver::messageText(HWND dialog) {
    return windowText(GetDlgItem(dialog, 0xFFFF));
}

std::string DialogDriver::windowText(HWND window) {
    if (!window) {
        return {};
    }
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void DialogDriver::press(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (button) {
        PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    }
}

LRESULT CALLBACK DialogDriver::hookProc(int code, WPARAM wParam, LPARAM lParam) {
    DialogDriver* self = tCurrent;
    if (code == HCBT_ACTIVATE && self) {
        self->onActivate(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(self ? self->hook_ : nullptr, code, wParam, lParam);
}

void DialogDriver::onActivate(HWND window) {
    if (!isDialog(window)) {
        return;
    }
    // A dialog is activated again when focus comes back to it; act once.
    if (GetPropA(window, "TessaryDriven")) {
        return;
    }
    SetPropA(window, "TessaryDriven", reinterpret_cast<HANDLE>(1));
    ++seen_;
    if (actions_.empty()) {
        return;  // the watchdog reports it
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(window);
}

void CALLBACK DialogDriver::watchdogProc(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), closeDialogs, 0);
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void pumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace tessary::test
