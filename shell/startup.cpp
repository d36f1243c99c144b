#include "shell/startup.h"

#include "documents/command_line.h"
#include "documents/document_session.h"
#include "platform/file_types.h"
#include "platform/program_instance.h"
#include "shell/document_host.h"

namespace tessary {

bool wizardOpensOnStart(const char* commandLine) {
    return wizardOpensAtStart(commandLine ? commandLine : "", readWizardSetting(settingsStore()));
}

void registerProgramFileTypes() {
    std::string program = ownProgramPath();
    if (!program.empty()) {
        registerFileTypes(program);
    }
}

void applyStartupCommandLine(const char* commandLine) {
    documentSession().applyCommandLine(commandLine ? commandLine : "");
}

}  // namespace tessary
