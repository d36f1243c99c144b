// Message boxes of the editor: always captioned with the product name and
// owned by the given window, or, while a modal dialog of that window is open,
// by the dialog.
#pragma once

#include <windows.h>

#include <string>

namespace tessary {

constexpr const char* kMessageCaption = "Quorix Tessary";

int showMessage(HWND owner, const char* text, UINT flags);
// Text from the string table, formatted with the printf-style arguments given.
int showStringMessage(HWND owner, UINT stringId, UINT flags);
int showStringMessageInt(HWND owner, UINT stringId, int value, UINT flags);
int showStringMessageInts(HWND owner, UINT stringId, int first, int second, UINT flags);
int showStringMessageText(HWND owner, UINT stringId, const char* value, UINT flags);

// A string-table text of the program, empty when the id has none.
std::string loadString(UINT stringId);
// A string-table text with up to two "%s" filled in.
std::string formatString(UINT stringId, const std::string& first, const std::string& second = {});

}  // namespace tessary
