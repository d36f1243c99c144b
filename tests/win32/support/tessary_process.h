// Tessary.exe itself, started as a separate process with a command line (or
// adopted when it was started through the shell), watched through its main
// window and its message boxes, and ended when the test ends. The test program
// runs from build\tests\, the program from build\bin\.
#pragma once

#include <windows.h>

#include <string>

namespace tessary::test {

class TessaryProcess {
public:
    TessaryProcess();
    // Ends the program if it still runs.
    ~TessaryProcess();
    TessaryProcess(const TessaryProcess&) = delete;
    TessaryProcess& operator=(const TessaryProcess&) = delete;

    // build\bin\Tessary.exe.
    static std::string programPath();

    // Starts the program with the arguments as its command line.
    bool start(const std::string& arguments);
    // The main window of this process (of any other process than the test's
    // while none was started), once its title contains the text; a program
    // started through the shell is adopted. Null after the time.
    HWND waitForTitle(const std::string& part, DWORD timeoutMs = 30000);
    // The main window, or the first message box or dialog the program shows,
    // whichever comes first; null after the time.
    HWND waitForMainWindow(DWORD timeoutMs = 30000);
    HWND waitForDialog(DWORD timeoutMs = 30000);
    // Whether the window handles a message within the time.
    static bool responds(HWND window, UINT timeoutMs = 5000);
    // Closes the window (WM_CLOSE) and waits for the program to end; its exit
    // code, or -1 when it did not end.
    int closeAndWait(HWND window, DWORD timeoutMs = 20000);
    // Waits for the program to end: its exit code, or -1 when it did not end.
    int waitForEnd(DWORD timeoutMs = 20000);
    // Ends the program at once.
    void kill();

    DWORD processId() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_ = {};
};

}  // namespace tessary::test
