// Which running main window, of this copy of the program or of any other,
// holds a document file: one file is edited in one window only, for a second
// editor's Save would silently write over the first one's work.
//
// A window is matched by its document's full path. Paths are compared as
// Windows compares file names: both are made full (GetFullPathName: relative
// parts and "." and ".." resolved, '/' read as '\'), short 8.3 names are made
// long where the file exists, and the results are compared ordinally without
// regard to letter case (CompareStringOrdinal). An untitled document has no
// path and matches nothing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tessary {

bool samePath(std::string_view first, std::string_view second);

// The main window, other than `except` (null: none), whose document is the
// file at the path; null when none is. Each window is asked with
// kDocumentPathQuery and answers with answerDocumentPathQuery; a window that
// does not answer within a second counts as holding nothing.
HWND findMainWindowHolding(const std::string& path, HWND except);

// The main window's answer to a WM_COPYDATA message: TRUE when it carries
// kDocumentPathQuery for the window's own document path.
LRESULT answerDocumentPathQuery(const COPYDATASTRUCT* data, std::string_view ownPath);

// Brings a main window, also one of another running copy, to the front
// (kBringToTopMessage).
void bringMainWindowForward(HWND window);

}  // namespace tessary
