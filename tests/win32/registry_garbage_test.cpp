// Garbage in the registry: every setting and every recent-file value written
// with the wrong type, too long, out of range or missing. The program starts,
// the settings read as their defaults, the Open Recent menu shows what can be
// read, and the next change of the list writes a clean one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/recent_files.h"
#include "documents/settings_store.h"
#include "resources/resource.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "support/tessary_process.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::ScratchFolder;
using test::TessaryProcess;

const char* const kProgramKey = "SOFTWARE\\Quorix\\Tessary2";
const char* const kRecentKey = "SOFTWARE\\Quorix\\Tessary2\\Recent File List";
const char* const kSettings[] = {kSettingWizard, kSettingShowHint, kSettingUseFm, kSettingChooseFmVersion,
                                 kSettingChooseFmMode};
const char* const kRecentValues[] = {"File0", "File1", "File2", "File3"};

struct Garbage {
    const char* name;
    DWORD type;
    std::string data;
    std::string readsAs;  // what a recent-file value holding it reads as; empty: nothing
};

std::vector<Garbage> garbageKinds() {
    return {
        {"string", REG_SZ, std::string("1\0", 2), "1"},
        {"one byte", REG_BINARY, "\x01"},
        {"long binary", REG_BINARY, std::string(10000, '\xFF')},
        {"qword", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8)},
        {"multi-string", REG_MULTI_SZ, std::string("C:\\a.tsmb\0C:\\b.tsmb\0\0", 22)},
        {"expandable", REG_EXPAND_SZ, std::string("%TEMP%\\a.tsmb\0", 14)},
        {"long string", REG_SZ, std::string(10000, 'x') + '\0'},
        {"string without end", REG_SZ, std::string(300, 'y')},
        {"none", REG_NONE, ""},
        {"dword of all ones", REG_DWORD, "\xFF\xFF\xFF\xFF"},
    };
}

void setValue(const char* path, const char* name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

// Every setting and every recent-file value holds the garbage.
void writeGarbage(const Garbage& garbage) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    for (const char* name : kSettings) {
        setValue(kProgramKey, name, garbage.type, garbage.data);
    }
    for (const char* name : kRecentValues) {
        setValue(kRecentKey, name, garbage.type, garbage.data);
    }
}

// The recent-file values as they are stored: "File0=...;File1=...".
std::string storedRecentList() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRecentKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return "<no key>";
    }
    std::string list;
    for (const char* name : kRecentValues) {
        char buffer[400] = {};
        DWORD size = sizeof buffer - 1;
        DWORD type = 0;
        const LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        list += std::string(name) + "=" +
                (result != ERROR_SUCCESS ? "<unreadable>"
                 : type != REG_SZ        ? "<not text>"
                                         : buffer) +
                ";";
    }
    RegCloseKey(key);
    return list;
}

class RegistryGarbageTest : public test::MainWindowFixture {
protected:
    void TearDown() override {
        test::MainWindowFixture::TearDown();
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    }

    static std::string recentItems(HWND w) {
        HMENU file = GetSubMenu(GetMenu(w), 0);
        std::string text = (GetMenuState(file, 4, MF_BYPOSITION) & MF_GRAYED) ? "grayed:" : "enabled:";
        HMENU submenu = GetSubMenu(file, 4);
        for (int i = 0; submenu && i < GetMenuItemCount(submenu); ++i) {
            char item[300] = {};
            GetMenuStringA(submenu, i, item, sizeof item, MF_BYPOSITION);
            text += std::string(item) + ";";
        }
        return text;
    }
};

TEST_F(RegistryGarbageTest, SettingsReadAsDefaultsAndTheRecentListRecovers) {
    ScratchFolder folder;
    const std::string path = folder.file("Clean.tsmn");
    ASSERT_TRUE(ScratchFolder::write(path, "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n"));
    for (const Garbage& garbage : garbageKinds()) {
        writeGarbage(garbage);
        const bool allOnes = garbage.type == REG_DWORD;
        EXPECT_TRUE(readWizardSetting(program.settings)) << garbage.name;
        EXPECT_TRUE(readShowHintSetting(program.settings)) << garbage.name;
        EXPECT_EQ(static_cast<int>(readUseFmSetting(program.settings)), allOnes ? 6 : 7) << garbage.name;
        EXPECT_EQ(readSettingOr(program.settings, kSettingChooseFmVersion, 0), allOnes ? 0xFFFFFFFFu : 0u);

        // A new window shows no entry it cannot read; opening a file writes a clean list.
        HWND other = otherWindow(false).hwnd();
        EXPECT_EQ(recentItems(other), garbage.readsAs.empty() ? "grayed:" : "enabled:&1 " + garbage.readsAs + ";")
            << garbage.name;
        MainWindow& fresh = *MainWindow::from(other);
        applyStartupCommandLine(fresh, ("\"" + path + "\"").c_str());
        const std::string second = garbage.readsAs.empty() ? "" : "&2 " + garbage.readsAs + ";";
        EXPECT_TRUE(test::pumpUntil([&] { return recentItems(other) == "enabled:&1 Clean.tsmn;" + second; }))
            << garbage.name << ": " << recentItems(other);
        EXPECT_EQ(storedRecentList(), "File0=" + path + ";File1=" + garbage.readsAs + ";File2=;File3=;")
            << garbage.name;
        DestroyWindow(other);
    }

    // Readable entries before the first unreadable one stay listed.
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    setValue(kRecentKey, "File0", REG_SZ, std::string("C:\\M\\A.tsmb\0", 12));
    setValue(kRecentKey, "File1", REG_SZ, std::string("C:\\M\\B.tsmb\0", 12));
    setValue(kRecentKey, "File2", REG_BINARY, std::string(10000, '\xFF'));
    setValue(kRecentKey, "File3", REG_SZ, std::string("C:\\M\\D.tsmb\0", 12));
    HWND other = otherWindow(false).hwnd();
    EXPECT_EQ(recentItems(other), "enabled:&1 A.tsmb;&2 B.tsmb;");
}

TEST_F(RegistryGarbageTest, TheProgramStartsOverEveryKindOfGarbage) {
    ScratchFolder folder;
    const std::string path = folder.file("Clean.tsmn");
    ASSERT_TRUE(ScratchFolder::write(path, "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n"));
    std::vector<Garbage> kinds = garbageKinds();
    kinds.push_back({"missing", REG_NONE, "<delete>"});
    for (const Garbage& garbage : kinds) {
        if (garbage.data == "<delete>") {
            RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        } else {
            writeGarbage(garbage);
        }
        TessaryProcess tessary;
        ASSERT_TRUE(tessary.start("\"" + path + "\""));
        HWND window = tessary.waitForTitle("Clean.tsmn  (Context Menu)");
        ASSERT_NE(window, nullptr) << garbage.name;
        EXPECT_TRUE(TessaryProcess::responds(window)) << garbage.name;
        EXPECT_EQ(tessary.closeAndWait(window), 0) << garbage.name;
        EXPECT_EQ(storedRecentList(), "File0=" + path + ";File1=" + garbage.readsAs + ";File2=;File3=;")
            << garbage.name;
    }
}

}  // namespace
}  // namespace tessary
