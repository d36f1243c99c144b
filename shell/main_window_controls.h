// The main window's child controls: creation in their fixed order and the
// layout that follows every size change.
#pragma once

#include <windows.h>

namespace tessary {

constexpr int kToolbarId = 1;
constexpr int kSideButtonWidth = 100;
constexpr int kSideButtonHeight = 23;

struct SideButton {
    UINT stringId;
    UINT commandId;
};
// The nine command buttons at the right, in creation order.
extern const SideButton kSideButtons[9];

void createMainWindowControls(HWND mainWindow, HINSTANCE instance);
void layoutMainWindow(HWND mainWindow);

// The button of the main window that carries a command, or null.
HWND sideButton(UINT commandId);

// A font for a control: the face (the control's current face when null), bold
// or not, and a height (the control's current height when 0); character set 255.
HFONT createControlFont(HWND control, const char* face, bool bold, int height);

// A push button with the default GUI font whose mouse movement posts its
// command's hint to the main window.
HWND createHintButton(HWND parent, HINSTANCE instance, const char* text, int width, int height, UINT commandId);

}  // namespace tessary
