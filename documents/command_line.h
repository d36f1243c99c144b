// The command line the editor understands, the decision whether the start-up
// wizard opens, and the parameters with which a second copy is started.
//
//   empty        the wizard when "Wizard" is on, else an empty main menu
//   "-wizard"    the wizard, whatever "Wizard" says
//   "-menubar"   an empty main menu     "-context"  an empty context menu
//   "-popup"     an empty pop-up menu   anything else: a document path
//
// Switches are compared exactly and case-sensitively with the whole line.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

// The command line is copied into a buffer of this many characters (NUL
// included); a longer line is not taken at all.
constexpr size_t kCommandLineBufferSize = 1024;

// launchInstance's kind for a second copy that opens the wizard.
constexpr int kLaunchWizard = -1;

// Whether the wizard opens at start, from the raw command line and the
// "Wizard" setting.
bool wizardOpensAtStart(std::string_view commandLine, bool wizardSetting);

struct CommandLineAction {
    enum class Kind {
        Nothing,   // empty, or a line too long to take
        MenuKind,  // a switch: start an empty document of menuKind
        OpenPath,  // a document path: folder and name (either may be empty)
    };
    Kind kind = Kind::Nothing;
    MenuKind menuKind = MenuKind::MainMenu;
    std::string folder;  // up to and including the last backslash
    std::string name;    // after the last backslash
};

// What the command line asks for once the main window exists: one trailing and
// then one leading double quote are dropped, then the switches are compared.
CommandLineAction parseCommandLine(std::string_view commandLine);

// The parameters of a second copy: the path unchanged when one is given, else
// "-menubar", "-context", "-popup" for kinds 0, 1, 2 and "-wizard" for
// kLaunchWizard.
std::string launchParameters(int kind, std::string_view path);

}  // namespace tessary
