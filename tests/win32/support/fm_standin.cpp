#include "support/fm_standin.h"

#include "platform/program_instance.h"
#include "support/dialog_driver.h"

namespace tessary::test {
namespace {

struct Search {
    DWORD processId;
    HWND plugin;
    HWND application;
};

BOOL CALLBACK findWindows(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) {
        return TRUE;
    }
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name).starts_with("Quorix Varnex 2.0 Grabber")) {
        search->plugin = window;
    } else if (GetWindow(window, GW_CHILD)) {
        search->application = window;
    }
    return TRUE;
}

}  // namespace

FmStandIn::FmStandIn(const std::string& scripts, const std::string& documents, const std::string& arguments) {
    ScratchFolder::write(folder_.file("scripts.txt"), scripts);
    ScratchFolder::write(folder_.file("documents.txt"), documents);
    std::string bin = ownProgramPath();
    bin.resize(bin.rfind('\\'));
    bin = bin.substr(0, bin.rfind('\\') + 1) + "bin\\fm-standin.exe";
    std::string commandLine = "\"" + bin + "\" --scripts \"" + folder_.file("scripts.txt") + "\" --documents \"" +
                              folder_.file("documents.txt") + "\" --timeout 60 " + arguments;
    STARTUPINFOA startup = {sizeof startup};
    if (!CreateProcessA(bin.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        return;
    }
    Search search = {process_.dwProcessId, nullptr, nullptr};
    pumpUntil(
        [&] {
            search.plugin = search.application = nullptr;
            EnumWindows(findWindows, reinterpret_cast<LPARAM>(&search));
            return search.plugin && search.application;
        },
        20000);
    plugin_ = search.plugin;
    application_ = search.application;
}

FmStandIn::~FmStandIn() {
    close();
}

void FmStandIn::setScripts(const std::string& scripts) const {
    ScratchFolder::write(folder_.file("scripts.txt"), scripts);
}

void FmStandIn::close() {
    if (!process_.hProcess) {
        return;
    }
    // Either window ends it; the plug-in's may be gone.
    for (HWND window : {plugin_, application_}) {
        if (window) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
    if (WaitForSingleObject(process_.hProcess, 3000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    plugin_ = application_ = nullptr;
}

}  // namespace tessary::test
