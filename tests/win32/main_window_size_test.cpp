// The main window's size and place as Tessary.exe itself takes them: scaled
// to the screen's DPI, which a process reads when it starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/registry_settings_store.h"
#include "resources/resource.h"
#include "support/tessary_process.h"

namespace tessary {
namespace {

using test::TessaryProcess;

constexpr const char* kDesktopKey = "Control Panel\\Desktop";

SIZE sizeOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

class MainWindowSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        RegistrySettingsStore().writeSetting("Wizard", 0);
    }
    void TearDown() override {
        setScreenDpi(0);
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    }

    // The DPI the next process starts with; 0 takes the value away again.
    static void setScreenDpi(DWORD dpi) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        if (dpi) {
            RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
        } else {
            RegDeleteValueA(key, "LogPixels");
        }
        RegCloseKey(key);
    }
};

// The program declares itself DPI-aware, so it is given the screen's DPI and
// scales its own layout: the window, its side buttons and its smallest size.
TEST_F(MainWindowSizeTest, ScalesWithTheScreensDpi) {
    for (int dpi : {144, 192}) {
        setScreenDpi(dpi);
        TessaryProcess tessary;
        ASSERT_TRUE(tessary.start("-menubar"));
        HWND window = tessary.waitForTitle("Untitled Menu Project");
        ASSERT_NE(window, nullptr) << dpi;
        // At least the scaled size (wider where the labels need it), within the screen.
        RECT screen = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
        const SIZE first = sizeOf(window);
        EXPECT_GE(first.cx, std::min<LONG>(500 * dpi / 96, screen.right - screen.left)) << dpi;
        EXPECT_EQ(first.cy, std::min<LONG>(450 * dpi / 96, screen.bottom - screen.top)) << dpi;
        const SIZE button = sizeOf(GetDlgItem(window, ID_MENU_ADD_SEPARATOR));
        EXPECT_GE(button.cx, 100 * dpi / 96) << dpi;
        EXPECT_EQ(button.cy, (23 * dpi + 48) / 96) << dpi;
        SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
        const SIZE smallest = sizeOf(window);
        EXPECT_EQ(smallest.cx, first.cx) << dpi;
        EXPECT_EQ(smallest.cy, first.cy) << dpi;
        EXPECT_EQ(tessary.closeAndWait(window), 0) << dpi;
    }
}

}  // namespace
}  // namespace tessary
