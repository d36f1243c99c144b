#include "shell/message_loop.h"

#include "shell/main_window.h"
#include "shell/program.h"

namespace tessary {

bool translateEditorAccelerators(Program& program, MSG& msg) {
    HWND main = program.mainWindow;
    if (main && program.mainKeys && TranslateAcceleratorA(main, program.mainKeys, &msg)) {
        return true;
    }
    MainWindow* window = MainWindow::from(main);
    if (window && window->treeKeysActive && program.treeKeys && TranslateAcceleratorA(main, program.treeKeys, &msg)) {
        return true;
    }
    return program.wizardFrame && program.mainKeys &&
           TranslateAcceleratorA(program.wizardFrame, program.mainKeys, &msg);
}

int runMessageLoop(Program& program) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!translateEditorAccelerators(program, msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace tessary
