// Start-up of the editor.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tessary;
    gApp.instance = instance;

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    gApp.accelMain = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL_MAIN));
    gApp.accelTree = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL_TREE));

    if (!createMainWindow(instance, true, true)) {
        return 0;
    }
    return runMessageLoop();
}
