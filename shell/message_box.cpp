#include "shell/message_box.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "shell/app_state.h"

namespace tessary {

std::string loadString(UINT stringId) {
    char buffer[1024] = {};
    int length = LoadStringA(gApp.instance ? gApp.instance : GetModuleHandleA(nullptr), stringId, buffer,
                             sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

int showMessage(HWND owner, const char* text, UINT flags) {
    return MessageBoxA(owner, text, kMessageCaption, flags);
}

int showStringMessage(HWND owner, UINT stringId, UINT flags) {
    return showMessage(owner, loadString(stringId).c_str(), flags);
}

int showStringMessageInt(HWND owner, UINT stringId, int value, UINT flags) {
    std::string format = loadString(stringId);
    std::vector<char> text(format.size() + 32);
    std::snprintf(text.data(), text.size(), format.c_str(), value);
    return showMessage(owner, text.data(), flags);
}

int showStringMessageText(HWND owner, UINT stringId, const char* value, UINT flags) {
    std::string format = loadString(stringId);
    std::vector<char> text(format.size() + std::strlen(value) + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), value);
    return showMessage(owner, text.data(), flags);
}

}  // namespace tessary
