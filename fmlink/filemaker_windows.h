// FileMaker's own windows: its application window, the document windows in
// its MDI client, and the opening of a FileMaker document through the shell.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tessary {

// How long the opening of a document waits for its window, in whole seconds
// of the tick count.
constexpr int kDocumentWaitSeconds = 10;

// FileMaker's application window: the first top-level window whose class name
// starts with "fmpro", a digit and "app" (any letter case); null when none.
HWND findFileMakerWindow();

// The document window of the application window's MDI client (its "MDIClient"
// child with an empty title) whose title is the start of the name, letter case
// ignored; the first in window order; null when none.
HWND findDocumentWindow(HWND application, std::string_view name);

// Looks for the named document window of the running FileMaker again and again
// until it is there or the tick count in whole seconds reaches the start
// second plus `seconds`; null then.
HWND waitForDocumentWindow(std::string_view name, int seconds = kDocumentWaitSeconds);

// Has the shell open a FileMaker document (verb "open", not activated) and
// waits for its window, named as FileMaker names it: the file name less its
// four-character extension (".fp7"). Null when the shell could not open the
// file or no window came in time.
HWND openFileMakerDocument(const std::string& path, int seconds = kDocumentWaitSeconds);

}  // namespace tessary
