// The main window's command table and its notifications.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace tessary {

void dispatchCommand(HWND mainWindow, UINT commandId, UINT notifyCode, HWND control);
LRESULT onMainWindowNotify(HWND mainWindow, NMHDR* header);
void onDroppedFiles(HWND mainWindow, HDROP drop);

// The product web site and the manual beside the program.
constexpr const char* kWebSiteAddress = "https://www.quorix.example/varnex";
constexpr const char* kManualName = "Tessary 2 Manual.pdf";

}  // namespace tessary
