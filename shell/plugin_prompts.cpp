#include "shell/plugin_prompts.h"

#include "resources/resource.h"
#include "shell/message_box.h"

namespace tessary {

bool MessageBoxPluginPrompts::retryTwoFileMakers() {
    return showStringMessage(owner_, IDS_FILEMAKER_TWICE, MB_RETRYCANCEL | MB_ICONERROR) == IDRETRY;
}

void MessageBoxPluginPrompts::noPlugin() {
    showStringMessage(owner_, IDS_NO_PLUGIN_LINK, MB_OK | MB_ICONERROR);
}

void MessageBoxPluginPrompts::notResponding() {
    showStringMessage(owner_, IDS_FILEMAKER_NOT_RESPONDING, MB_OK | MB_ICONERROR);
}

}  // namespace tessary
