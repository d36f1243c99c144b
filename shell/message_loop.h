#pragma once

#include <windows.h>

namespace tessary {

struct Program;

// Offers one message to the accelerator tables: a message for the wizard's
// frame or one of its controls to table 220 for the frame (and Enter to the
// frame's buttons); any other to table 220 for the main window, then table 221
// while the tree has the keys; none while a caption is edited in place. True
// when the message was taken.
bool translateEditorAccelerators(Program& program, MSG& msg);

// One message of the loop: a preview window's goes to it alone; any other is
// offered to the accelerator tables, else translated and dispatched.
void processLoopMessage(Program& program, MSG& msg);

// Runs until the quit message; returns its parameter as the exit code.
int runMessageLoop(Program& program);

}  // namespace tessary
