#include "fmlink/filemaker_windows.h"

#include <shellapi.h>

#include "editor/filemaker_link_rules.h"

namespace tessary {
namespace {

std::string classOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

// The title Windows keeps for a window, read without asking its process.
std::string titleOf(HWND window) {
    char title[256] = {};
    const int length = GetWindowTextA(window, title, sizeof title);
    return std::string(title, length > 0 ? length : 0);
}

BOOL CALLBACK findApplication(HWND window, LPARAM found) {
    if (isFileMakerAppClass(classOf(window))) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND findFileMakerWindow() {
    HWND found = nullptr;
    EnumWindows(findApplication, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND findDocumentWindow(HWND application, std::string_view name) {
    HWND client = nullptr;
    for (HWND child = GetWindow(application, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(classOf(child).c_str(), "MDIClient") == 0 && GetWindowTextLengthA(child) == 0) {
            client = child;
            break;
        }
    }
    if (!client) {
        return nullptr;
    }
    for (HWND document = GetWindow(client, GW_CHILD); document; document = GetWindow(document, GW_HWNDNEXT)) {
        if (documentTitleMatches(titleOf(document), name)) {
            return document;
        }
    }
    return nullptr;
}

HWND waitForDocumentWindow(std::string_view name, int seconds) {
    const DWORD last = GetTickCount() / 1000 + static_cast<DWORD>(seconds);
    for (;;) {
        if (HWND application = findFileMakerWindow()) {
            if (HWND document = findDocumentWindow(application, name)) {
                return document;
            }
        }
        if (GetTickCount() / 1000 >= last) {
            return nullptr;
        }
        Sleep(100);
    }
}

HWND openFileMakerDocument(const std::string& path, int seconds) {
    const auto opened =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNOACTIVATE));
    if (opened <= 32) {
        return nullptr;
    }
    return waitForDocumentWindow(documentNameOfPath(path), seconds);
}

}  // namespace tessary
