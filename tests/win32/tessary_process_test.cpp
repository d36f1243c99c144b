#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "documents/command_line.h"
#include "platform/program_instance.h"
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "support/tessary_process.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::ScratchFolder;
using test::TessaryProcess;

// Tessary.exe itself, started as a separate process with a command line, found
// by its main window and closed with WM_CLOSE.
class TessaryProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        ASSERT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES) << program;
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix"); }

    static std::string classesDefault(const std::string& path) {
        char buffer[1024] = {};
        LONG size = sizeof buffer;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, path.c_str(), buffer, &size) != ERROR_SUCCESS) {
            return "<none>";
        }
        return buffer;
    }

    const std::string program = TessaryProcess::programPath();
};

TEST_F(TessaryProcessTest, OpensAContextMenuFileFromItsCommandLineAndRegistersTheFileTypes) {
    ScratchFolder folder;
    std::string path = folder.file("Shop.tsmb");
    ASSERT_TRUE(ScratchFolder::write(path, "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_COPY )\r\n}\r\n"));
    TessaryProcess tessary;
    ASSERT_TRUE(tessary.start("\"" + path + "\""));

    HWND window = tessary.waitForTitle("Shop.tsmb");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::DialogDriver::windowText(window), "Tessary - Shop.tsmb  (Context Menu)");

    char recent[300] = {};
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix\\Tessary2\\Recent File List", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD bytes = sizeof recent;
    EXPECT_EQ(RegQueryValueExA(key, "File0", nullptr, &type, reinterpret_cast<BYTE*>(recent), &bytes), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(std::string(recent), path);

    for (const char* extension : {"tsmb", "tsmn", "qxtf"}) {
        std::string progId = std::string("Quorix.Tessary.2.") + extension;
        EXPECT_EQ(classesDefault(std::string(".") + extension), progId);
        EXPECT_EQ(classesDefault(progId + "\\shell\\open\\command"), "\"" + program + "\" \"%1\"");
        EXPECT_EQ(classesDefault(progId + "\\DefaultIcon"), program + (std::string(extension) == "qxtf" ? ",8" : ",7"));
    }
    // A second copy started on the same file, spelled in capitals, leaves it
    // to this window and ends.
    TessaryProcess second;
    ASSERT_TRUE(second.start("\"" + folder.path() + "SHOP.TSMB\""));
    EXPECT_EQ(second.waitForEnd(), 0);
    EXPECT_EQ(tessary.closeAndWait(window), 0);
}

TEST_F(TessaryProcessTest, SecondCopiesStartThroughTheShellWithTheirSwitch) {
    struct Case {
        MenuKind kind;
        const char* title;
    } cases[] = {
        {MenuKind::PopupMenu, "Tessary - Untitled Menu Project  (Pop-Up Menu)"},
        {MenuKind::ContextMenu, "Tessary - Untitled Menu Project  (Context Menu)"},
    };
    for (const Case& c : cases) {
        TessaryProcess tessary;
        ASSERT_EQ(launchProgram(program, launchParameters(LaunchRequest::newMenu(c.kind))), "");
        HWND window = tessary.waitForTitle(c.title);
        ASSERT_NE(window, nullptr) << c.title;
        EXPECT_EQ(test::DialogDriver::windowText(window), c.title);
        EXPECT_EQ(tessary.closeAndWait(window), 0);
    }
}

TEST_F(TessaryProcessTest, AFirstStartOpensTheWizardInPlaceOfTheEditorAndCancelEndsIt) {
    TessaryProcess tessary;
    ASSERT_TRUE(tessary.start(""));
    HWND frame = nullptr;
    test::pumpUntil(
        [&] {
            frame = FindWindowA(TESSARY_WIZARD_CLASS, "Tessary");
            return frame && IsWindowVisible(frame);
        },
        30000);
    ASSERT_NE(frame, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(frame, &owner);
    EXPECT_EQ(owner, tessary.processId());
    EXPECT_EQ(FindWindowA(kMainWindowClass, nullptr), nullptr);
    PostMessageA(GetDlgItem(frame, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(tessary.waitForEnd(), 0);
}

}  // namespace
}  // namespace tessary
