// Small helpers every window of the editor uses.
#pragma once

#include <windows.h>

#include <string>

namespace tessary {

// Registers a window class of the program unless it exists: the program's
// icon, the arrow cursor, the button-face background, and the class style,
// menu resource and extra window bytes given (DLGWINDOWEXTRA for a dialog
// class). False when the class cannot be registered.
bool registerProgramWindowClass(HINSTANCE instance,
                                const char* className,
                                WNDPROC proc,
                                UINT style = 0,
                                const char* menuName = nullptr,
                                int windowExtra = 0);

// Moves a window so that its centre lies on the centre of another window (the
// desktop when none is given); size and z-order stay.
void centerWindow(HWND window, HWND over);

// Brings a window to the foreground and to the top of the z-order.
void bringToFront(HWND window);
// Shows a window and brings it to the front.
void showInFront(HWND window);

// A window's whole text.
std::string windowText(HWND window);

// A font for a control: the face (the control's current face when null), bold
// or not, and a height (the control's current height when 0); character set 255.
HFONT createControlFont(HWND control, const char* face, bool bold, int height);

// The screen's dots per inch (96 at 100%), which the program is laid out for:
// it declares itself DPI-aware, so Windows does not stretch its windows.
int screenDpi();
// A length in pixels at 96 DPI, scaled to the screen's DPI.
int dpiScaled(int length);

// Whether a font of that face name is installed.
bool fontInstalled(const char* face);

// A push button with the default GUI font whose mouse movement posts its
// command's hint (WM_MENUSELECT with the command id) to `hintTarget`.
HWND createHintButton(HWND parent, HWND hintTarget, const char* text, int width, int height, UINT commandId);

}  // namespace tessary
