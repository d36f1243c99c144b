#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "documents/command_line.h"
#include "platform/program_instance.h"
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::ScratchFolder;

// Tessary.exe itself, started as a separate process with a command line, found
// by its main window and closed with WM_CLOSE. The test program runs from
// build\tests\, the program from build\bin\.
class TessaryProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        std::string folder = ownProgramPath();
        folder.resize(folder.rfind('\\'));
        program = folder.substr(0, folder.rfind('\\') + 1) + "bin\\Tessary.exe";
        ASSERT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES) << program;
    }

    void TearDown() override {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process.hProcess, 1);
            }
            CloseHandle(process.hProcess);
            if (process.hThread) {
                CloseHandle(process.hThread);
            }
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    }

    void start(const std::string& arguments) {
        std::string commandLine = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup = {sizeof startup};
        ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process));
    }

    struct Search {
        DWORD processId;
        HWND found;
    };

    static BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
        auto* search = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        bool wanted = search->processId ? owner == search->processId : owner != GetCurrentProcessId();
        if (wanted && std::string(name) == "VarnexMain") {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    // The child's main window once its title contains the text. A child started
    // through the shell is found by its window and adopted for closing.
    HWND waitForTitle(const std::string& part) {
        HWND found = nullptr;
        test::pumpUntil(
            [&] {
                Search search = {process.dwProcessId, nullptr};
                EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
                found = search.found;
                return found && test::DialogDriver::windowText(found).find(part) != std::string::npos;
            },
            30000);
        if (found && !process.hProcess) {
            GetWindowThreadProcessId(found, &process.dwProcessId);
            process.hProcess =
                OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, process.dwProcessId);
        }
        return found;
    }

    // Closing a window without unsaved changes ends the program with exit code 0.
    void closeAndWait(HWND window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        expectEndWithZero();
    }

    void expectEndWithZero() {
        ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
        DWORD code = 99;
        GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 0u);
    }

    static std::string classesDefault(const std::string& path) {
        char buffer[1024] = {};
        LONG size = sizeof buffer;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, path.c_str(), buffer, &size) != ERROR_SUCCESS) {
            return "<none>";
        }
        return buffer;
    }

    std::string program;
    PROCESS_INFORMATION process = {};
};

TEST_F(TessaryProcessTest, OpensAContextMenuFileFromItsCommandLineAndRegistersTheFileTypes) {
    ScratchFolder folder;
    std::string path = folder.file("Shop.tsmb");
    ASSERT_TRUE(ScratchFolder::write(path, "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_COPY )\r\n}\r\n"));
    start("\"" + path + "\"");

    HWND window = waitForTitle("Shop.tsmb");
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
    closeAndWait(window);
}

TEST_F(TessaryProcessTest, SecondCopiesStartThroughTheShellWithTheirSwitch) {
    struct Case {
        int kind;
        const char* title;
    } cases[] = {
        {2, "Tessary - Untitled Menu Project  (Pop-Up Menu)"},
        {1, "Tessary - Untitled Menu Project  (Context Menu)"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(launchProgram(program, launchParameters(c.kind, "")), "");
        HWND window = waitForTitle(c.title);
        ASSERT_NE(window, nullptr) << c.kind;
        ASSERT_NE(process.hProcess, nullptr);
        EXPECT_EQ(test::DialogDriver::windowText(window), c.title);
        closeAndWait(window);
        CloseHandle(process.hProcess);
        process = {};
    }
}

TEST_F(TessaryProcessTest, AFirstStartOpensTheWizardInPlaceOfTheEditorAndCancelEndsIt) {
    start("");
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
    EXPECT_EQ(owner, process.dwProcessId);
    EXPECT_EQ(FindWindowA(kMainWindowClass, nullptr), nullptr);
    PostMessageA(GetDlgItem(frame, IDCANCEL), BM_CLICK, 0, 0);
    expectEndWithZero();
}

}  // namespace
}  // namespace tessary
