// Drives the modal dialogs and message boxes that code under test opens on
// this thread: each time a dialog is activated, the next queued action runs
// against it. A watchdog closes any dialog still open after the timeout so a
// test fails instead of hanging.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

namespace tessary::test {

class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit DialogDriver(UINT watchdogMs = 10000);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queues an action for the next dialog that opens.
    void next(Action action);
    // Queues: read the message box text into *text and its caption into
    // *caption (either may be null), then press the button.
    void answerMessageBox(int buttonId, std::string* text = nullptr, std::string* caption = nullptr);
    // Runs a step once the messages posted so far have been handled (a thread
    // timer's turn comes after them): for checks of what an action set off,
    // inside the dialog loop that is running then.
    void later(std::function<void()> step);

    int dialogsSeen() const { return seen_; }
    int pending() const { return static_cast<int>(actions_.size()); }
    bool watchdogFired() const { return watchdogFired_; }
    void markWatchdogFired() { watchdogFired_ = true; }

    static std::string messageText(HWND dialog);
    static std::string windowText(HWND window);
    static void press(HWND dialog, int buttonId);

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK watchdogProc(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK laterProc(HWND, UINT, UINT_PTR, DWORD);
    void onActivate(HWND window);

    DialogDriver* previous_ = nullptr;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    std::deque<Action> actions_;
    std::deque<std::function<void()>> steps_;
    int seen_ = 0;
    bool watchdogFired_ = false;
};

// Pumps this thread's messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Pumps the messages already queued.
void pumpPending();

}  // namespace tessary::test
