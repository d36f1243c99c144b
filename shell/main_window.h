// The main window of class "VarnexMain".
#pragma once

#include <windows.h>

namespace tessary {

constexpr const char* kMainWindowClass = "VarnexMain";
constexpr int kMainWindowWidth = 500;
constexpr int kMainWindowHeight = 450;

bool registerMainWindowClass(HINSTANCE instance);

// Creates the main window (registering its class when needed), centred on the
// desktop. Returns null on failure.
HWND createMainWindow(HINSTANCE instance, bool show, bool setUntitled);

// Moves a window so that its centre lies on the centre of another window (the
// desktop when none is given); size and z-order stay.
void centerWindow(HWND window, HWND over);

// Sets the main window's title from the document state.
void refreshTitle();

}  // namespace tessary
