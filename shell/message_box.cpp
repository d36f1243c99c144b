#include "shell/message_box.h"

#include <cstdio>
#include <vector>

namespace tessary {

std::string loadString(UINT stringId) {
    char buffer[1024] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), stringId, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

std::string formatString(UINT stringId, const std::string& first, const std::string& second) {
    const std::string format = loadString(stringId);
    std::vector<char> text(format.size() + first.size() + second.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), first.c_str(), second.c_str());
    return text.data();
}

namespace {

// A message belongs to the window the user is working in. An owner that a
// modal dialog of its own has disabled is not that window (a message from
// "Script Properties" while its "Select Script" is open, say): closing the
// message would enable the owner again in front of the dialog, which then
// still runs. Such a message goes to the active dialog above the owner.
HWND windowInUse(HWND owner) {
    if (!owner || IsWindowEnabled(owner)) {
        return owner;
    }
    HWND active = GetActiveWindow();
    if (!active || !IsWindowEnabled(active)) {
        return owner;
    }
    for (HWND above = GetWindow(active, GW_OWNER); above; above = GetWindow(above, GW_OWNER)) {
        if (above == owner) {
            return active;
        }
    }
    return owner;
}

}  // namespace

int showMessage(HWND owner, const char* text, UINT flags) {
    return MessageBoxA(windowInUse(owner), text, kMessageCaption, flags);
}

int showStringMessage(HWND owner, UINT stringId, UINT flags) {
    return showMessage(owner, loadString(stringId).c_str(), flags);
}

int showStringMessageInt(HWND owner, UINT stringId, int value, UINT flags) {
    return showStringMessageInts(owner, stringId, value, 0, flags);
}

int showStringMessageInts(HWND owner, UINT stringId, int first, int second, UINT flags) {
    const std::string format = loadString(stringId);
    std::vector<char> text(format.size() + 64);
    std::snprintf(text.data(), text.size(), format.c_str(), first, second);
    return showMessage(owner, text.data(), flags);
}

int showStringMessageText(HWND owner, UINT stringId, const char* value, UINT flags) {
    return showMessage(owner, formatString(stringId, value).c_str(), flags);
}

}  // namespace tessary
