#pragma once

#include <windows.h>

namespace tessary {

struct Program;

// Offers one message to the accelerator tables in the editor's order: table
// 220 for the main window, table 221 while the tree has the keys, table 220
// for the wizard's frame. True when a table translated it.
bool translateEditorAccelerators(Program& program, MSG& msg);

// One message of the loop: a preview window's goes to it alone; any other is
// offered to the accelerator tables, else translated and dispatched.
void processLoopMessage(Program& program, MSG& msg);

// Runs until the quit message; returns its parameter as the exit code.
int runMessageLoop(Program& program);

}  // namespace tessary
