// Start-up of the editor.
#include <windows.h>
#include <commctrl.h>

#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/program.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    using namespace tessary;
    Program program;
    program.instance = instance;
    const bool wizard = wizardOpensOnStart(program, commandLine);
    registerProgramFileTypes();

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    program.loadAccelerators();

    // Until the wizard exists, the main window opens in its place.
    MainWindow* window = MainWindow::create(program, true, true);
    if (!window) {
        return 0;
    }
    if (!wizard) {
        applyStartupCommandLine(*window, commandLine);
    }
    return runMessageLoop(program);
}
