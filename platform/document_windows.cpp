#include "platform/document_windows.h"

#include <cstring>

#include "documents/document_state.h"
#include "platform/window_protocol.h"

namespace tessary {
namespace {

constexpr UINT kQueryTimeoutMs = 1000;

// The full, long form of a path; the path as it stands where it has none.
std::string fullPathOf(std::string_view path) {
    const std::string given(path);
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(given.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) {
        return given;
    }
    char longer[MAX_PATH] = {};
    const DWORD longLength = GetLongPathNameA(full, longer, sizeof longer);
    return longLength > 0 && longLength < sizeof longer ? std::string(longer, longLength) : std::string(full, length);
}

std::wstring wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

struct Search {
    const std::string* path;
    HWND except;
    HWND found;
};

BOOL CALLBACK askMainWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    char name[32] = {};
    if (window == search.except || !GetClassNameA(window, name, sizeof name) ||
        std::strcmp(name, kMainWindowClass) != 0) {
        return TRUE;
    }
    COPYDATASTRUCT data = {kDocumentPathQuery, static_cast<DWORD>(search.path->size() + 1),
                           const_cast<char*>(search.path->c_str())};
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(window, WM_COPYDATA, reinterpret_cast<WPARAM>(search.except),
                            reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_BLOCK, kQueryTimeoutMs, &answer) &&
        answer == TRUE) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool samePath(std::string_view first, std::string_view second) {
    if (first.empty() || second.empty()) {
        return false;
    }
    const std::wstring a = wide(fullPathOf(first));
    const std::wstring b = wide(fullPathOf(second));
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

HWND findMainWindowHolding(const std::string& path, HWND except) {
    Search search = {&path, except, nullptr};
    EnumWindows(askMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LRESULT answerDocumentPathQuery(const COPYDATASTRUCT* data, std::string_view ownPath) {
    if (!data || data->dwData != kDocumentPathQuery || !data->lpData || data->cbData == 0 ||
        data->cbData > kMaxPathLength + 1) {
        return FALSE;
    }
    // The text ends at its NUL, or at the end of the data when a sender left it out.
    const char* text = static_cast<const char*>(data->lpData);
    const std::string_view path(text, strnlen(text, data->cbData));
    return samePath(path, ownPath) ? TRUE : FALSE;
}

void bringMainWindowForward(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process);
    PostMessageA(window, kBringToTopMessage, 0, 0);
}

}  // namespace tessary
