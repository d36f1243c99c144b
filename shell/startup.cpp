#include "shell/startup.h"

#include "documents/command_line.h"
#include "platform/document_windows.h"
#include "platform/file_types.h"
#include "platform/program_instance.h"
#include "shell/main_window.h"
#include "shell/program.h"

namespace tessary {

bool wizardOpensOnStart(Program& program, const char* commandLine) {
    return wizardOpensAtStart(commandLine ? commandLine : "", readWizardSetting(program.settings));
}

void registerProgramFileTypes() {
    const std::string program = ownProgramPath();
    if (!program.empty()) {
        registerFileTypes(program);
    }
}

bool documentHeldElsewhere(const char* commandLine) {
    const CommandLineAction action = parseCommandLine(commandLine ? commandLine : "");
    if (action.kind != CommandLineAction::Kind::OpenPath || action.folder.empty() || action.name.empty()) {
        return false;
    }
    HWND holder = findMainWindowHolding(action.folder + action.name, nullptr);
    if (holder) {
        bringMainWindowForward(holder);
    }
    return holder != nullptr;
}

void applyStartupCommandLine(MainWindow& window, const char* commandLine) {
    window.session().applyCommandLine(commandLine ? commandLine : "");
}

}  // namespace tessary
