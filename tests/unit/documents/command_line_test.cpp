#include "documents/command_line.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(CommandLine, WizardOpensForAnEmptyLineByTheSettingAndForExactlyWizard) {
    struct Case {
        const char* line;
        bool setting;
        bool wizard;
    } cases[] = {
        {"", true, true},
        {"", false, false},
        {"-wizard", false, true},
        {"-wizard", true, true},
        {"-Wizard", true, false},
        {"-wizard x", true, false},
        {"C:\\a.tsmb", true, false},
        {"-menubar", true, false},
        {"\"-wizard\"", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wizardOpensAtStart(c.line, c.setting), c.wizard) << c.line << " " << c.setting;
    }
}

TEST(CommandLine, SwitchesAreExactAndEverythingElseIsAPath) {
    using Kind = CommandLineAction::Kind;
    struct Case {
        std::string line;
        Kind kind;
        MenuKind menuKind;
        const char* folder;
        const char* name;
    } cases[] = {
        {"", Kind::Nothing, MenuKind::MainMenu, "", ""},
        {"\"\"", Kind::Nothing, MenuKind::MainMenu, "", ""},
        {"\"", Kind::Nothing, MenuKind::MainMenu, "", ""},
        {"-menubar", Kind::MenuKind, MenuKind::MainMenu, "", ""},
        {"-context", Kind::MenuKind, MenuKind::ContextMenu, "", ""},
        {"-popup", Kind::MenuKind, MenuKind::PopupMenu, "", ""},
        {"\"-context\"", Kind::MenuKind, MenuKind::ContextMenu, "", ""},
        {"-Menubar", Kind::OpenPath, MenuKind::MainMenu, "", "-Menubar"},
        {"-menubar x", Kind::OpenPath, MenuKind::MainMenu, "", "-menubar x"},
        {"-popup ", Kind::OpenPath, MenuKind::MainMenu, "", "-popup "},
        {"\"C:\\My Menus\\Orders.tsmn\"", Kind::OpenPath, MenuKind::MainMenu, "C:\\My Menus\\", "Orders.tsmn"},
        {"C:\\Menus\\Orders.tsmn", Kind::OpenPath, MenuKind::MainMenu, "C:\\Menus\\", "Orders.tsmn"},
        {"C:\\Menus\\Orders.tsmn\"", Kind::OpenPath, MenuKind::MainMenu, "C:\\Menus\\", "Orders.tsmn"},
        {"Orders.tsmn", Kind::OpenPath, MenuKind::MainMenu, "", "Orders.tsmn"},
        {"C:\\Menus\\", Kind::OpenPath, MenuKind::MainMenu, "C:\\Menus\\", ""},
        {std::string(1023, 'a'), Kind::OpenPath, MenuKind::MainMenu, "", nullptr},
        {std::string(1024, 'a'), Kind::Nothing, MenuKind::MainMenu, "", ""},
        {"C:\\" + std::string(5000, 'b'), Kind::Nothing, MenuKind::MainMenu, "", ""},
    };
    for (const Case& c : cases) {
        CommandLineAction action = parseCommandLine(c.line);
        std::string label = c.line.substr(0, 40);
        EXPECT_EQ(action.kind, c.kind) << label;
        EXPECT_EQ(action.menuKind, c.menuKind) << label;
        EXPECT_EQ(action.folder, c.folder) << label;
        EXPECT_EQ(action.name, c.name ? std::string(c.name) : c.line) << label;
    }
}

TEST(CommandLine, SecondCopyParameters) {
    struct Case {
        LaunchRequest request;
        const char* parameters;
    } cases[] = {
        {LaunchRequest::newMenu(MenuKind::MainMenu), "-menubar"},
        {LaunchRequest::newMenu(MenuKind::ContextMenu), "-context"},
        {LaunchRequest::newMenu(MenuKind::PopupMenu), "-popup"},
        {LaunchRequest::wizard(), "-wizard"},
        {LaunchRequest::openPath("C:\\My Menus\\A.tsmb"), "C:\\My Menus\\A.tsmb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(launchParameters(c.request), c.parameters);
    }
}

}  // namespace
}  // namespace tessary
