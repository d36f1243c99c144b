#include "shell/message_loop.h"

#include "shell/main_window.h"
#include "shell/preview_window.h"
#include "shell/program.h"
#include "shell/wizard/wizard_frame.h"

namespace tessary {

bool translateEditorAccelerators(Program& program, MSG& msg) {
    // Keys typed in the wizard are the wizard's (Tab and Esc are its commands,
    // Enter presses its buttons): the main window, hidden while the wizard
    // runs, takes none of them.
    HWND frame = program.wizardFrame;
    if (frame && msg.hwnd && (msg.hwnd == frame || IsChild(frame, msg.hwnd))) {
        return translateWizardKey(frame, program.mainKeys, msg);
    }
    MainWindow* window = program.mainWindow;
    if (!window) {
        return false;
    }
    // While a caption is edited in place its keys are the edit box's: Esc
    // cancels the edit, Ctrl+A, Ctrl+Left and Ctrl+Right act in the text,
    // Delete and Enter too.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && window->captionEditOpen()) {
        return false;
    }
    HWND main = window->hwnd();
    if (program.mainKeys && TranslateAcceleratorA(main, program.mainKeys, &msg)) {
        return true;
    }
    return window->treeKeysActive && program.treeKeys && TranslateAcceleratorA(main, program.treeKeys, &msg);
}

void processLoopMessage(Program& program, MSG& msg) {
    // The editor's keys belong to the editor's windows: in a preview, Alt+F4
    // closes the preview and Ctrl+Shift+V does nothing.
    if (translatePreviewMessage(msg) || translateEditorAccelerators(program, msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int runMessageLoop(Program& program) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        processLoopMessage(program, msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace tessary
