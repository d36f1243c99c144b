#include "documents/command_line.h"

#include "documents/document_state.h"

namespace tessary {

namespace {

constexpr std::string_view kSwitchWizard = "-wizard";
constexpr std::string_view kSwitchMenuBar = "-menubar";
constexpr std::string_view kSwitchContext = "-context";
constexpr std::string_view kSwitchPopup = "-popup";

}  // namespace

bool wizardOpensAtStart(std::string_view commandLine, bool wizardSetting) {
    if (commandLine.empty()) {
        return wizardSetting;
    }
    return commandLine == kSwitchWizard;
}

CommandLineAction parseCommandLine(std::string_view commandLine) {
    CommandLineAction action;
    if (commandLine.size() >= kCommandLineBufferSize) {
        return action;
    }
    std::string_view text = commandLine;
    if (!text.empty() && text.back() == '"') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '"') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return action;
    }
    if (text == kSwitchMenuBar || text == kSwitchContext || text == kSwitchPopup) {
        action.kind = CommandLineAction::Kind::MenuKind;
        action.menuKind = text == kSwitchMenuBar   ? MenuKind::MainMenu
                          : text == kSwitchContext ? MenuKind::ContextMenu
                                                   : MenuKind::PopupMenu;
        return action;
    }
    action.kind = CommandLineAction::Kind::OpenPath;
    action.folder = folderOf(text);
    action.name = fileNameOf(text);
    return action;
}

std::string launchParameters(const LaunchRequest& request) {
    switch (request.kind) {
        case LaunchRequest::Kind::OpenPath:
            return request.path;
        case LaunchRequest::Kind::Wizard:
            return std::string(kSwitchWizard);
        case LaunchRequest::Kind::NewMenu:
            break;
    }
    switch (request.menuKind) {
        case MenuKind::ContextMenu:
            return std::string(kSwitchContext);
        case MenuKind::PopupMenu:
            return std::string(kSwitchPopup);
        default:
            return std::string(kSwitchMenuBar);
    }
}

}  // namespace tessary
