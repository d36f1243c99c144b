#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "documents/file_association.h"
#include "documents/recent_files.h"
#include "platform/file_types.h"
#include "platform/registry_settings_store.h"

namespace tessary {
namespace {

// Every test starts and ends without the company key, so no state leaks into
// the next test program run in this prefix.
class RegistrySettingsTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix"); }

    static bool keyExists(HKEY root, const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    // The raw value: its type and its bytes (a string without its terminator).
    static bool rawValue(HKEY root, const std::string& path, const char* name, DWORD& type, std::string& data) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        char buffer[2048] = {};
        DWORD size = sizeof buffer;
        LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) {
            return false;
        }
        data.assign(buffer, size);
        if ((type == REG_SZ) && !data.empty() && data.back() == '\0') {
            data.pop_back();
        }
        return true;
    }

    static void setRaw(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    RegistrySettingsStore store;
    const std::string program = "SOFTWARE\\Quorix\\Tessary2";
    const std::string recent = "SOFTWARE\\Quorix\\Tessary2\\Recent File List";
};

TEST_F(RegistrySettingsTest, ReadsGiveDefaultsAndCreateNothing) {
    uint32_t value = 99;
    EXPECT_FALSE(store.readSetting("Wizard", value));
    EXPECT_EQ(value, 99u);
    EXPECT_TRUE(readWizardSetting(store));
    EXPECT_TRUE(readShowHintSetting(store));
    EXPECT_EQ(static_cast<int>(readUseFmSetting(store)), 7);
    EXPECT_EQ(readSettingOr(store, kSettingChooseFmVersion, 0), 0u);
    EXPECT_TRUE(readRecentFiles(store).empty());
    store.clearRecentFiles();
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, "SOFTWARE\\Quorix"));
}

TEST_F(RegistrySettingsTest, WritesDwordsUnderTheProgramKeyAndReadsThemBack) {
    struct Case {
        const char* name;
        uint32_t value;
    } cases[] = {
        {"Wizard", 0}, {"ShowHint", 1}, {"UseFM", 0}, {"ChooseFmItem_fm", 4}, {"ChooseFmItem_mode", 1},
    };
    for (const Case& c : cases) {
        store.writeSetting(c.name, c.value);
        DWORD type = 0;
        std::string data;
        ASSERT_TRUE(rawValue(HKEY_CURRENT_USER, program, c.name, type, data)) << c.name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << c.name;
        ASSERT_EQ(data.size(), 4u) << c.name;
        EXPECT_EQ(*reinterpret_cast<const uint32_t*>(data.data()), c.value) << c.name;
        uint32_t read = 12345;
        EXPECT_TRUE(store.readSetting(c.name, read));
        EXPECT_EQ(read, c.value) << c.name;
    }
    EXPECT_FALSE(readWizardSetting(store));
    EXPECT_TRUE(readShowHintSetting(store));
    EXPECT_EQ(static_cast<int>(readUseFmSetting(store)), 7);  // 0 reads as 7
    store.writeSetting("UseFM", 6);
    EXPECT_EQ(static_cast<int>(readUseFmSetting(store)), 6);
}

TEST_F(RegistrySettingsTest, ValuesOfAnotherTypeOrSizeReadAsMissing) {
    setRaw(program, "Wizard", REG_SZ, "0", 2);
    uint16_t small = 0;
    setRaw(program, "ShowHint", REG_BINARY, &small, sizeof small);
    EXPECT_TRUE(readWizardSetting(store));
    EXPECT_TRUE(readShowHintSetting(store));
}

TEST_F(RegistrySettingsTest, RecentFilesAreStringsFile0ToFile3) {
    for (const char* path : {"C:\\M\\D.tsmb", "C:\\M\\C.tsmb", "C:\\M\\B.tsmn", "C:\\M\\A.qxtf", "C:\\M\\C.tsmb"}) {
        addRecentFile(store, path);
    }
    const char* expected[] = {"C:\\M\\C.tsmb", "C:\\M\\A.qxtf", "C:\\M\\B.tsmn", "C:\\M\\D.tsmb"};
    for (int i = 0; i < 4; ++i) {
        DWORD type = 0;
        std::string data;
        std::string name = "File" + std::to_string(i);
        ASSERT_TRUE(rawValue(HKEY_CURRENT_USER, recent, name.c_str(), type, data)) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(data, expected[i]);
    }
    EXPECT_EQ(readRecentFiles(store).size(), 4u);

    // Every value of the list goes, not just the four.
    setRaw(recent, "Other", REG_SZ, "x", 2);
    store.clearRecentFiles();
    DWORD type = 0;
    std::string data;
    EXPECT_FALSE(rawValue(HKEY_CURRENT_USER, recent, "File0", type, data));
    EXPECT_FALSE(rawValue(HKEY_CURRENT_USER, recent, "Other", type, data));
}

TEST_F(RegistrySettingsTest, OverlongOrForeignRecentValuesEndTheList) {
    std::string longPath = "C:\\" + std::string(400, 'p');
    struct Case {
        DWORD type;
        std::string data;
        bool counts;
    } cases[] = {
        {REG_SZ, std::string(259, 'a') + '\0', true}, {REG_SZ, std::string(260, 'a') + '\0', false},
        {REG_SZ, std::string(260, 'a'), false},       {REG_SZ, longPath + '\0', false},
        {REG_DWORD, std::string(4, '\1'), false},     {REG_SZ, std::string("\0", 1), false},
    };
    for (const Case& c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        setRaw(recent, "File0", REG_SZ, "C:\\first.tsmb", 14);
        setRaw(recent, "File1", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        setRaw(recent, "File2", REG_SZ, "C:\\third.tsmb", 14);
        std::vector<std::string> entries = readRecentFiles(store);
        EXPECT_EQ(entries.size(), c.counts ? 3u : 1u) << c.data.size();
        if (c.counts) {
            EXPECT_EQ(entries[1], std::string(259, 'a'));
        }
    }
}

struct RowValues {
    std::string extension;
    std::string progId;
    std::string command;
    std::string icon;
};

std::string defaultValue(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return "<no key>";
    }
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) {
        return "<no value>";
    }
    return buffer;
}

TEST(FileTypes, ThreeRowsWithTheirProgIdsCommandsAndIcons) {
    const std::string program = "C:\\Program Files\\Quorix\\Tessary.exe";
    EXPECT_EQ(registerFileTypes(program), "");
    struct Case {
        const char* extension;
        const char* progId;
        const char* description;
        const char* icon;
    } cases[] = {
        {".tsmb", "Quorix.Tessary.2.tsmb", "Quorix Tessary Document", "C:\\Program Files\\Quorix\\Tessary.exe,7"},
        {".tsmn", "Quorix.Tessary.2.tsmn", "Quorix Tessary Document", "C:\\Program Files\\Quorix\\Tessary.exe,7"},
        {".qxtf", "Quorix.Tessary.2.qxtf", "Quorix Tessary Template", "C:\\Program Files\\Quorix\\Tessary.exe,8"},
    };
    for (const Case& c : cases) {
        std::string progId = c.progId;
        EXPECT_EQ(defaultValue(c.extension), progId);
        EXPECT_EQ(defaultValue(progId), c.description);
        EXPECT_EQ(defaultValue(progId + "\\shell\\open\\command"), "\"C:\\Program Files\\Quorix\\Tessary.exe\" \"%1\"");
        EXPECT_EQ(defaultValue(progId + "\\DefaultIcon"), c.icon);
    }
    // Written again at every start: a moved program replaces the values.
    EXPECT_EQ(registerFileTypes("D:\\Tessary.exe"), "");
    EXPECT_EQ(defaultValue("Quorix.Tessary.2.qxtf\\DefaultIcon"), "D:\\Tessary.exe,8");
    EXPECT_EQ(defaultValue("Quorix.Tessary.2.tsmn\\shell\\open\\command"), "\"D:\\Tessary.exe\" \"%1\"");
}

}  // namespace
}  // namespace tessary
