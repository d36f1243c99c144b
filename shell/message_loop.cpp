#include "shell/message_loop.h"

#include "shell/app_state.h"

namespace tessary {

bool translateEditorAccelerators(MSG& msg) {
    if (gApp.mainWindow && gApp.accelMain && TranslateAcceleratorA(gApp.mainWindow, gApp.accelMain, &msg)) {
        return true;
    }
    if (gApp.mainWindow && gApp.treeKeysActive && gApp.accelTree &&
        TranslateAcceleratorA(gApp.mainWindow, gApp.accelTree, &msg)) {
        return true;
    }
    if (gApp.wizardFrame && gApp.accelMain && TranslateAcceleratorA(gApp.wizardFrame, gApp.accelMain, &msg)) {
        return true;
    }
    return false;
}

int runMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!translateEditorAccelerators(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace tessary
