#include "platform/clipboard.h"

#include <windows.h>

#include <cstring>

namespace tessary {

bool setClipboardText(std::string_view text, std::string* reason) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (!block) {
        if (reason) {
            *reason = "not enough memory for the clipboard";
        }
        return false;
    }
    char* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        if (reason) {
            *reason = "the clipboard is in use by another program";
        }
        return false;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(block);  // still ours: the clipboard did not take it
        if (reason) {
            *reason = "the clipboard did not accept the text";
        }
    }
    return placed;
}

std::string clipboardTextContent() {
    std::string text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace tessary
