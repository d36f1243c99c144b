#include "platform/file_dialogs.h"

#include <commdlg.h>

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
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    dialog.Flags |= request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;

    BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) {
        return false;
    }
    path = file;
    return !path.empty();
}

}  // namespace tessary
