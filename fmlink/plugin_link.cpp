#include "fmlink/plugin_link.h"

#include <vector>

namespace tessary {

HWND findPluginWindow() {
    if (HWND window = FindWindowA(kPluginWindowClass7, nullptr)) {
        return window;
    }
    return FindWindowA(kPluginWindowClass6, nullptr);
}

bool askPluginWindow(HWND window, PluginRequest request, PluginAnswer& answer, UINT timeoutMs) {
    answer.clear();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_USER, static_cast<WPARAM>(request), 0, SMTO_ABORTIFHUNG, timeoutMs, &result)) {
        return false;
    }
    // One byte more than the plug-in is offered, so the text always ends.
    std::vector<char> buffer(kPluginAnswerSize + 1, '\0');
    if (!SendMessageTimeoutA(window, WM_GETTEXT, kPluginAnswerSize, reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, timeoutMs, &result)) {
        return false;
    }
    answer.take(std::string_view(buffer.data(), kPluginAnswerSize));
    return true;
}

bool PluginLink::request(PluginRequest request, PluginAnswer& answer) {
    answer.clear();
    while (FindWindowA(kPluginWindowClass7, nullptr) && FindWindowA(kPluginWindowClass6, nullptr)) {
        if (!prompts_.retryTwoFileMakers()) {
            break;
        }
    }
    const bool scripts = request == PluginRequest::Scripts;
    HWND window = findPluginWindow();
    if (!window) {
        if (scripts) {
            prompts_.noPlugin();
        }
        return false;
    }
    if (!askPluginWindow(window, request, answer, timeoutMs_)) {
        if (scripts) {
            prompts_.notResponding();
        }
        return false;
    }
    return true;
}

}  // namespace tessary
