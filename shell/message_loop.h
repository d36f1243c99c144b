#pragma once

#include <windows.h>

namespace tessary {

// Offers one message to the accelerator tables in the editor's order; true
// when a table translated it.
bool translateEditorAccelerators(MSG& msg);

// Runs until the quit message; returns its parameter as the exit code.
int runMessageLoop();

}  // namespace tessary
