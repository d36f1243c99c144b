#include "platform/file_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>

#include "documents/document_state.h"

namespace tessary {

std::string dialogFilter(const std::string& filter) {
    std::string text = filter;
    for (char& c : text) {
        if (c == '|') {
            c = '\0';
        }
    }
    text.push_back('\0');
    text.push_back('\0');
    return text;
}

namespace {

// Keeps the file name box to what the path buffer holds: a longer name could
// only be refused, and the system's dialog does not always cope with one
// (under Wine a pasted name of a thousand characters hangs it).
UINT_PTR CALLBACK limitFileName(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != CDN_INITDONE) {
        return 0;
    }
    HWND dialog = GetParent(hook);
    HWND edit = GetDlgItem(dialog, edt1);
    if (HWND combo = GetDlgItem(dialog, cmb13)) {
        char name[32] = {};
        GetClassNameA(combo, name, sizeof name);
        edit = lstrcmpiA(name, WC_COMBOBOXEXA) == 0
                   ? reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0))
                   : FindWindowExA(combo, nullptr, "Edit", nullptr);
    }
    if (edit) {
        SendMessageA(edit, EM_LIMITTEXT, kMaxPathLength, 0);
    }
    return 0;
}

}  // namespace

bool runFileDialog(HWND owner, const FileDialogRequest& request, std::string& path) {
    char file[kMaxPathLength + 1] = {};
    if (request.initialFile.size() <= kMaxPathLength) {
        std::memcpy(file, request.initialFile.data(), request.initialFile.size());
    }
    std::string filter = dialogFilter(request.filter);

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    dialog.lpfnHook = limitFileName;
    dialog.Flags |= request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;

    BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) {
        return false;
    }
    path = file;
    return !path.empty();
}

}  // namespace tessary
