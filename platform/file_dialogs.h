// The common open and save dialogs for a document rules' FileDialogRequest.
#pragma once

#include <windows.h>

#include <string>

#include "documents/document_host.h"

namespace tessary {

// Shows the dialog; false when it was cancelled or failed. Paths hold at most
// 259 characters.
bool runFileDialog(HWND owner, const FileDialogRequest& request, std::string& path);

// A filter of '|'-separated parts as the dialog takes it: NUL-separated, ending
// in two NULs.
std::string dialogFilter(const std::string& filter);

}  // namespace tessary
