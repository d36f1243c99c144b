// Start-up of the editor.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    using namespace tessary;
    gApp.instance = instance;
    bool wizard = wizardOpensOnStart(commandLine);
    registerProgramFileTypes();

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    gApp.accelMain = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL_MAIN));
    gApp.accelTree = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL_TREE));

    // Until the wizard exists, the main window opens in its place.
    if (!createMainWindow(instance, true, true)) {
        return 0;
    }
    if (!wizard) {
        applyStartupCommandLine(commandLine);
    }
    return runMessageLoop();
}
