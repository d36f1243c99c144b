// The small dialogs, each opened through its command on a real main window and
// filled through the dialog driver; the document or the registry is checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "menucode/code_tree.h"
#include "platform/clipboard.h"
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;

class SmallDialogsTest : public test::MainWindowFixture {
protected:
    uint32_t setting(const char* name) {
        uint32_t value = 99;
        return program.settings.readSetting(name, value) ? value : 99;
    }

    static bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    static void tick(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
};

TEST_F(SmallDialogsTest, NewMenuOpensOnTheCurrentKindAndMakesTheChosenOne) {
    command(ID_FILE_NEW_POPUP);
    ASSERT_EQ(title(), "Tessary - Untitled Menu Project  (Pop-Up Menu)");

    DialogDriver driver;
    std::string caption;
    bool popupTicked = false;
    driver.next([&](HWND dialog) {
        caption = DialogDriver::windowText(dialog);
        popupTicked = checked(dialog, IDC_NEWMENU_POPUP) && !checked(dialog, IDC_NEWMENU_MAIN);
        tick(dialog, IDC_NEWMENU_POPUP, false);
        tick(dialog, IDC_NEWMENU_CONTEXT, true);
        DialogDriver::press(dialog, IDOK);
    });
    command(ID_FILE_NEW);  // Ctrl+N and the toolbar's New
    EXPECT_EQ(caption, "New menu");
    EXPECT_TRUE(popupTicked);
    EXPECT_EQ(title(), "Tessary - Untitled Menu Project  (Context Menu)");

    // Cancel does nothing, not even to a tree with content.
    ASSERT_EQ(
        LoadCodeIntoTree(tree(), "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_COPY )\r\n}\r\n", MenuKind::ContextMenu),
        LoadResult::accepted());
    driver.next([](HWND dialog) { DialogDriver::press(dialog, IDCANCEL); });
    command(ID_FILE_NEW);
    EXPECT_EQ(title(), "Tessary - Untitled Menu Project  (Context Menu)");
    EXPECT_EQ(tree().nodeCount(), 1u);
    EXPECT_EQ(driver.dialogsSeen(), 2);
}

TEST_F(SmallDialogsTest, PreferencesShowAndWriteTheFileMakerVersionWizardAndShowHintOnlyOnOk) {
    program.settings.writeSetting("UseFM", 6);
    program.settings.writeSetting("Wizard", 0);
    DialogDriver driver;
    driver.next([](HWND dialog) {
        tick(dialog, IDC_PREFS_WIZARD, true);
        tick(dialog, IDC_PREFS_FILEMAKER_6, false);
        tick(dialog, IDC_PREFS_FILEMAKER_7, true);
        DialogDriver::press(dialog, IDCANCEL);
    });
    command(ID_EDIT_PREFERENCES);
    EXPECT_EQ(setting("UseFM"), 6u);
    EXPECT_EQ(setting("Wizard"), 0u);
    EXPECT_EQ(setting("ShowHint"), 99u);

    // Each OK writes the version shown or chosen; the next opening shows it.
    struct Case {
        int choose;           // the radio button ticked before OK; 0: none
        const char* version;  // the radio buttons shown: "6", "7"
        uint32_t written;
    } cases[] = {{0, "6", 6}, {IDC_PREFS_FILEMAKER_7, "6", 7}, {IDC_PREFS_FILEMAKER_6, "7", 6}};
    for (const Case& c : cases) {
        std::string caption;
        std::string shown;
        bool wizardShown = true;
        bool hintShown = false;
        driver.next([&](HWND dialog) {
            caption = DialogDriver::windowText(dialog);
            shown = std::string(checked(dialog, IDC_PREFS_FILEMAKER_6) ? "6" : "") +
                    (checked(dialog, IDC_PREFS_FILEMAKER_7) ? "7" : "");
            wizardShown = checked(dialog, IDC_PREFS_WIZARD);
            hintShown = checked(dialog, IDC_PREFS_SHOW_HINT);  // a missing setting reads as on
            if (c.choose) {
                CheckRadioButton(dialog, IDC_PREFS_FILEMAKER_6, IDC_PREFS_FILEMAKER_7, c.choose);
            }
            tick(dialog, IDC_PREFS_SHOW_HINT, false);
            DialogDriver::press(dialog, IDOK);
        });
        command(ID_EDIT_PREFERENCES);
        EXPECT_EQ(caption, "Preferences");
        EXPECT_EQ(shown, c.version) << c.written;
        EXPECT_EQ(setting("UseFM"), c.written);
        EXPECT_FALSE(wizardShown);
        EXPECT_EQ(hintShown, &c == &cases[0]);
        EXPECT_EQ(setting("Wizard"), 0u);
        EXPECT_EQ(setting("ShowHint"), 0u);
    }
    EXPECT_EQ(driver.pending(), 0);
}

TEST_F(SmallDialogsTest, DoNotShowAgainStopsTheHintUntilPreferencesBringItBack) {
    ASSERT_EQ(LoadCodeIntoTree(tree(), "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n",
                               MenuKind::MainMenu),
              LoadResult::accepted());
    DialogDriver driver;
    std::string caption;
    bool startedTicked = true;
    driver.next([&](HWND dialog) {
        caption = DialogDriver::windowText(dialog);
        startedTicked = checked(dialog, IDC_HINT_DO_NOT_SHOW);
        DialogDriver::press(dialog, IDCANCEL);  // closed without OK: nothing is written
    });
    command(ID_MENU_COPY_CODE);
    EXPECT_EQ(caption, "Quorix Tessary");
    EXPECT_FALSE(startedTicked);
    EXPECT_EQ(setting("ShowHint"), 99u);

    driver.next([](HWND dialog) {
        tick(dialog, IDC_HINT_DO_NOT_SHOW, true);
        DialogDriver::press(dialog, IDOK);
    });
    command(ID_MENU_COPY_STRING_CODE);
    EXPECT_EQ(setting("ShowHint"), 0u);
    command(ID_MENU_COPY_CODE);  // no hint now: a dialog would be counted as seen
    EXPECT_EQ(driver.dialogsSeen(), 2);

    bool hintBoxTicked = true;
    driver.next([&](HWND dialog) {
        hintBoxTicked = checked(dialog, IDC_PREFS_SHOW_HINT);
        tick(dialog, IDC_PREFS_SHOW_HINT, true);
        DialogDriver::press(dialog, IDOK);
    });
    command(ID_EDIT_PREFERENCES);
    EXPECT_FALSE(hintBoxTicked);
    driver.next([](HWND dialog) { DialogDriver::press(dialog, IDOK); });
    command(ID_MENU_COPY_CODE);
    EXPECT_EQ(driver.dialogsSeen(), 4);
    EXPECT_EQ(driver.pending(), 0);
}

TEST_F(SmallDialogsTest, AboutShowsTheNameAndVersion) {
    DialogDriver driver;
    std::string caption;
    std::string name;
    std::string line;
    driver.next([&](HWND dialog) {
        caption = DialogDriver::windowText(dialog);
        name = DialogDriver::windowText(GetDlgItem(dialog, IDC_ABOUT_NAME));
        line = DialogDriver::windowText(GetDlgItem(dialog, IDC_ABOUT_LINE));
        DialogDriver::press(dialog, IDOK);
    });
    command(ID_HELP_ABOUT);
    EXPECT_EQ(caption, "About");
    EXPECT_EQ(name, "Tessary 4.0");
    EXPECT_EQ(line.find("Version 4.0.0"), 0u) << line;
    EXPECT_EQ(driver.dialogsSeen(), 1);
}

}  // namespace
}  // namespace tessary
