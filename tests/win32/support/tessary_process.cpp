#include "support/tessary_process.h"

#include "platform/program_instance.h"
#include "support/dialog_driver.h"

namespace tessary::test {
namespace {

struct Search {
    DWORD processId;  // 0: any process but this one
    const char* className;
    HWND found;
};

BOOL CALLBACK findWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    const bool wanted = search->processId ? owner == search->processId : owner != GetCurrentProcessId();
    if (wanted && std::string(name) == search->className && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findOf(DWORD processId, const char* className) {
    Search search = {processId, className, nullptr};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

TessaryProcess::TessaryProcess() = default;

TessaryProcess::~TessaryProcess() {
    kill();
}

std::string TessaryProcess::programPath() {
    std::string folder = ownProgramPath();
    folder.resize(folder.rfind('\\'));
    return folder.substr(0, folder.rfind('\\') + 1) + "bin\\Tessary.exe";
}

bool TessaryProcess::start(const std::string& arguments) {
    kill();
    const std::string program = programPath();
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {sizeof startup};
    return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process_) != 0;
}

HWND TessaryProcess::waitForTitle(const std::string& part, DWORD timeoutMs) {
    HWND found = nullptr;
    pumpUntil(
        [&] {
            found = findOf(process_.dwProcessId, "VarnexMain");
            return found && DialogDriver::windowText(found).find(part) != std::string::npos;
        },
        timeoutMs);
    if (found && !process_.hProcess) {
        GetWindowThreadProcessId(found, &process_.dwProcessId);
        process_.hProcess =
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, process_.dwProcessId);
    }
    return found;
}

HWND TessaryProcess::waitForMainWindow(DWORD timeoutMs) {
    HWND found = nullptr;
    pumpUntil([&] { return (found = findOf(process_.dwProcessId, "VarnexMain")) != nullptr; }, timeoutMs);
    return found;
}

HWND TessaryProcess::waitForDialog(DWORD timeoutMs) {
    HWND found = nullptr;
    pumpUntil([&] { return (found = findOf(process_.dwProcessId, "#32770")) != nullptr; }, timeoutMs);
    return found;
}

bool TessaryProcess::responds(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

int TessaryProcess::closeAndWait(HWND window, DWORD timeoutMs) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return waitForEnd(timeoutMs);
}

int TessaryProcess::waitForEnd(DWORD timeoutMs) {
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 99;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

void TessaryProcess::kill() {
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
    }
    if (process_.hThread) {
        CloseHandle(process_.hThread);
    }
    process_ = {};
}

}  // namespace tessary::test
