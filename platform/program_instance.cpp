#include "platform/program_instance.h"

#include <shellapi.h>

#include <cstring>

#include "documents/command_line.h"
#include "documents/document_state.h"

namespace tessary {

namespace {

BOOL CALLBACK postToMainWindow(HWND window, LPARAM count) {
    char name[32] = {};
    if (GetClassNameA(window, name, sizeof name) && std::strcmp(name, kMainWindowClass) == 0) {
        PostMessageA(window, kRecentListChangedMessage, 0, 0);
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

}  // namespace

std::string ownProgramPath() {
    // The module's own file name, not the command line: a copy started with a
    // relative name, or from a folder whose name contains ".exe", still finds
    // itself.
    char buffer[kMaxPathLength + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, length);
}

std::string programFolder() {
    return std::string(folderOf(ownProgramPath()));
}

std::string launchProgram(const std::string& program, const std::string& parameters) {
    if (program.empty()) {
        return "The program file is unknown.";
    }
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        nullptr, "open", program.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        return "The program could not be started (" + std::to_string(result) + ").";
    }
    return {};
}

std::string launchInstance(const LaunchRequest& request) {
    return launchProgram(ownProgramPath(), launchParameters(request));
}

int broadcastRecentListChanged() {
    int count = 0;
    EnumWindows(postToMainWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace tessary
