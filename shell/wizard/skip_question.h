// The skip question "Would you like to skip the Tessary Wizard?", titled
// "Wizard", with "This Time" (the default), "Always" and "Cancel".
#pragma once

#include <windows.h>

#include "editor/wizard_flow.h"

namespace tessary {

SkipAnswer runSkipQuestion(HWND owner);

}  // namespace tessary
