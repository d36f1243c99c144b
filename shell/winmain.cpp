// Start-up of the editor.
#include <windows.h>
#include <commctrl.h>

#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/program.h"
#include "shell/startup.h"
#include "shell/wizard/wizard_frame.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    using namespace tessary;
    Program program;
    program.instance = instance;
    const bool wizard = wizardOpensOnStart(program, commandLine);
    if (!wizard && documentHeldElsewhere(commandLine)) {
        return 0;  // one file, one editor: the window holding it came forward
    }
    registerProgramFileTypes();

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    program.loadAccelerators();

    // The wizard runs in place of the main window and creates it when the user
    // leaves it for the editor; without its window the editor opens directly.
    if (wizard && openWizard(program)) {
        return runMessageLoop(program);
    }
    MainWindow* window = MainWindow::create(program);
    if (!window) {
        return 0;
    }
    if (!wizard) {
        applyStartupCommandLine(*window, commandLine);
    }
    return runMessageLoop(program);
}
