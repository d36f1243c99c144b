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

// What a second copy of the program is started to do: open a document, start
// an empty menu of a kind, or run the wizard.
struct LaunchRequest {
    enum class Kind { OpenPath, NewMenu, Wizard };
    Kind kind = Kind::NewMenu;
    MenuKind menuKind = MenuKind::MainMenu;  // NewMenu
    std::string path;                        // OpenPath: the document, unquoted and never empty

    static LaunchRequest openPath(std::string_view path) {
        return {Kind::OpenPath, MenuKind::MainMenu, std::string(path)};
    }
    static LaunchRequest newMenu(MenuKind kind) { return {Kind::NewMenu, kind, {}}; }
    static LaunchRequest wizard() { return {Kind::Wizard, MenuKind::MainMenu, {}}; }
};

// The command line of the second copy: the path unchanged, "-menubar",
// "-context", "-popup" for a new menu of the kind, or "-wizard".
std::string launchParameters(const LaunchRequest& request);

}  // namespace tessary
