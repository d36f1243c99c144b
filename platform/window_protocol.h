// The window classes and messages through which the program's windows, and
// the windows of its other running copies, talk to each other.
#pragma once

#include <windows.h>

namespace tessary {

// The main window's class; other copies find every main window by it.
constexpr const char* kMainWindowClass = "VarnexMain";

// The menu preview's window, one per Preview Menu command.
constexpr const char* kPreviewWindowClass = "VarnexPreview";

// Posted to every main window, of every running copy, after the recent-file
// list changed: each reloads its Open Recent submenu.
constexpr UINT kRecentListChangedMessage = WM_USER + 2;

// Posted to the tree control by the property dialogs: the tree comes to the
// top, is redrawn and loses its selection.
constexpr UINT kResetTreeViewMessage = WM_USER + 3;

// Posted by a main window to itself when a caption typed in the tree was
// refused: the message tells why once the edit box has closed.
constexpr UINT kCaptionRefusedMessage = WM_APP + 1;

// A main window that receives it comes to the top: posted by a copy that was
// asked to open the file the window holds; other programs may post it too.
constexpr UINT kBringToTopMessage = WM_USER + 4;

// The tag of a WM_COPYDATA message to a main window whose data is a document
// path (NUL-terminated): the window answers TRUE when its document is that
// file (see platform/document_windows.h).
constexpr ULONG_PTR kDocumentPathQuery = 0x54735068;

}  // namespace tessary
