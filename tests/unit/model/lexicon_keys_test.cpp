// Key names and the three forms of a shortcut: menu code, record and screen.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/lexicon.h"

namespace tessary {
namespace {

// Every KeyCode that menu code can produce, written out by hand.
std::vector<int> AllKeyCodes() {
    std::vector<int> codes;
    for (int k = -1; k >= -kKeyNameCount; --k) {
        codes.push_back(k);
    }
    for (char c : std::string(" ',-./0123456789;=ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]`")) {
        codes.push_back(c);
    }
    return codes;
}

TEST(KeyNames, ParseKeyName) {
    struct Case {
        std::string name;
        bool known;
        int keyCode;
        bool functionKey;
    };
    const Case cases[] = {
        {"a", true, 65, false},        {"A", true, 65, false},        {"z", true, 90, false},
        {"7", true, 55, false},        {" ", true, 32, false},        {"'", true, 39, false},
        {"`", true, 96, false},        {"\\", true, 92, false},       {"=", true, 61, false},
        {"!", true, 0, false},         {"\t", true, 0, false},        {"\"", true, 0, false},
        {std::string(1, '\0'), true, 0, false},
        {"\x7F", false, 0, false},     {"\xE9", false, 0, false},     {"\xFF", false, 0, false},
        {"LEFT", true, -1, false},     {"PAGE_DOWN", true, -6, false}, {"ENTER", true, -10, false},
        {"RETURN", true, -11, false},  {"DEL", true, -12, false},     {"BACKSPACE", true, -13, false},
        {"F1", true, -14, true},       {"F9", true, -22, true},       {"F12", true, -25, true},
        {"F13", false, 0, false},      {"F0", false, 0, false},       {"left", false, 0, false},
        {"Enter", false, 0, false},    {"", false, 0, false},         {"LEFT ", false, 0, false},
        {"PAGE UP", false, 0, false},  {"aa", false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int keyCode = 99;
        bool functionKey = true;
        EXPECT_EQ(ParseKeyName(c.name, keyCode, functionKey), c.known);
        if (c.known) {
            EXPECT_EQ(keyCode, c.keyCode);
            EXPECT_EQ(functionKey, c.functionKey);
        }
    }
}

TEST(KeyNames, CharKeyCodeCoversExactlyTheKeyCharacters) {
    const std::string keys = " ',-./0123456789;=ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]`abcdefghijklmnopqrstuvwxyz";
    for (int c = 0; c < 256; ++c) {
        const bool isKey = c != 0 && c < 128 && keys.find(static_cast<char>(c)) != std::string::npos;
        const int expected = !isKey ? 0 : (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
        EXPECT_EQ(CharKeyCode(static_cast<unsigned char>(c)), expected) << c;
    }
}

TEST(Shortcuts, KeyCodeToVirtualKeyAppendsTheDisplayName) {
    struct Case {
        int keyCode;
        uint8_t virtualKey;
        const char* displayName;
    };
    const Case cases[] = {
        {65, 65, "A"},      {90, 90, "Z"},       {48, 48, "0"},      {57, 57, "9"},       {32, 32, "Space"},
        {39, 222, "'"},     {44, 188, ","},      {45, 189, "-"},     {46, 190, "."},      {47, 191, "/"},
        {59, 186, ";"},     {61, 187, "="},      {91, 219, "["},     {92, 220, "\\"},     {93, 221, "]"},
        {96, 192, "`"},     {-1, 37, "Left"},    {-2, 39, "Right"},  {-3, 38, "Up"},      {-4, 40, "Down"},
        {-5, 33, "Page Up"}, {-6, 34, "Page Down"}, {-7, 36, "Home"}, {-8, 35, "End"},    {-9, 27, "Esc"},
        {-10, 13, "Enter"}, {-11, 13, "Enter"},  {-12, 46, "Delete"}, {-13, 8, "Backspace"},
        {-14, 112, "F1"},   {-20, 118, "F7"},    {-25, 123, "F12"},
        // No key: nothing appended.
        {0, 0, ""},         {97, 0, ""},         {33, 0, ""},        {127, 0, ""},        {-26, 0, ""},
        {-100, 0, ""},      {222, 0, ""},        {65 + 256, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyCode);
        EXPECT_EQ(KeyCodeToVirtualKey(c.keyCode), c.virtualKey);
        std::string text = "Open\tCtrl+";
        EXPECT_EQ(KeyCodeToVirtualKey(c.keyCode, &text), c.virtualKey);
        EXPECT_EQ(text, std::string("Open\tCtrl+") + c.displayName);
    }
}

TEST(Shortcuts, PackAndUnpack) {
    struct Case {
        int keyCode;
        int mods;
        uint16_t shortcut;
        int keyCodeBack;  // what the record gives back
    };
    const Case cases[] = {
        {-14, kModCtrl, 0x0270, -14},
        {0, kModCtrl, 0, 0},
        {0, kModCtrl | kModAlt, 0, 0},
        {79, kModCtrl | kModAlt, 0x064F, 79},
        {-11, kModCtrl, 0x020D, -10},  // RETURN comes back as ENTER
        {-10, 0, 0x000D, -10},
        {39, kModAlt, 0x04DE, 39},
        {32, kModCtrl, 0x0220, 32},
        {96, kModCtrl, 0x02C0, 96},
        {-25, 0, 0x007B, -25},
        {97, kModCtrl, 0, 0},  // not a KeyCode: no shortcut rather than Ctrl alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyCode);
        const uint16_t shortcut = PackShortcut(c.keyCode, c.mods);
        EXPECT_EQ(shortcut, c.shortcut);
        int keyCode = 99;
        int mods = 99;
        VirtualKeyToKeyCode(shortcut, keyCode, mods);
        EXPECT_EQ(keyCode, c.keyCodeBack);
        EXPECT_EQ(mods, shortcut == 0 ? 0 : c.mods);
    }
}

TEST(Shortcuts, RecordValuesOutsideTheTablesKeepTheirModifiers) {
    struct Case {
        uint16_t shortcut;
        int keyCode;
        int mods;
    };
    const Case cases[] = {
        {0x0000, 0, 0},          {0x0200, 0, kModCtrl},   {0x06FF, 0, kModCtrl | kModAlt},
        {0x0461, 0, kModAlt},    {0x0070, -14, 0},        {0x00BA, 59, 0},
        {0x0100 | 65, 65, 0},    {0x0800 | 0x0200 | 46, -12, kModCtrl},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortcut);
        int keyCode = 99;
        int mods = 99;
        VirtualKeyToKeyCode(c.shortcut, keyCode, mods);
        EXPECT_EQ(keyCode, c.keyCode);
        EXPECT_EQ(mods, c.mods);
    }
}

// Every KeyCode survives the record with every modifier set, RETURN becoming
// ENTER; the dialogs and the menu preview show the same name for it.
TEST(Shortcuts, EveryKeyRoundTripsThroughTheRecord) {
    for (int keyCode : AllKeyCodes()) {
        SCOPED_TRACE(keyCode);
        for (int mods = 0; mods <= (kModCtrl | kModAlt); ++mods) {
            int back = 0;
            int modsBack = 0;
            VirtualKeyToKeyCode(PackShortcut(keyCode, mods), back, modsBack);
            EXPECT_EQ(back, keyCode == -11 ? -10 : keyCode);
            EXPECT_EQ(modsBack, mods);
        }
        std::string menuName;
        const uint8_t virtualKey = KeyCodeToVirtualKey(keyCode, &menuName);
        std::string dialogName;
        ASSERT_TRUE(VirtualKeyToDisplayName(virtualKey, dialogName));
        EXPECT_EQ(dialogName, menuName);
    }
}

TEST(Shortcuts, DisplayNames) {
    struct Case {
        const char* displayName;
        uint8_t virtualKey;
    };
    const Case cases[] = {
        {" ", 32},      {"Space", 32},      {"A", 65},          {"Z", 90},        {"0", 48},
        {"9", 57},      {",", 188},         {".", 190},         {"-", 189},       {"/", 191},
        {"[", 219},     {"]", 221},         {"\\", 220},        {"=", 187},       {";", 186},
        {"`", 192},     {"Left", 37},       {"Page Up", 33},    {"Page Down", 34}, {"Esc", 27},
        {"Enter", 13},  {"Delete", 46},     {"Backspace", 8},   {"F1", 112},      {"F12", 123},
        {"-none-", 0},  {"'", 0},           {"", 0},            {"a", 0},         {"space", 0},
        {"SPACE", 0},   {"enter", 0},       {"PAGE_UP", 0},     {"Del", 0},       {"F13", 0},
        {"!", 0},       {"Space ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.displayName);
        EXPECT_EQ(DisplayNameToVirtualKey(c.displayName), c.virtualKey);
    }
    std::string text;
    ASSERT_TRUE(VirtualKeyToDisplayName(222, text));
    EXPECT_EQ(text, "'");
    ASSERT_TRUE(VirtualKeyToDisplayName(13, text));
    EXPECT_EQ(text, "Enter");
    ASSERT_TRUE(VirtualKeyToDisplayName(32, text));
    EXPECT_EQ(text, "Space");
    for (uint8_t outside : {0, 1, 97, 124, 255}) {
        text = "kept";
        EXPECT_FALSE(VirtualKeyToDisplayName(outside, text)) << int(outside);
        EXPECT_EQ(text, "kept");
    }
}

TEST(ShortcutKeyList, OrderAndRoundTrip) {
    const std::vector<std::pair<int, std::string>> spots = {
        {0, "-none-"}, {1, "F1"}, {12, "F12"}, {13, "0"}, {22, "9"},     {23, "A"},         {48, "Z"},
        {49, ","},     {52, "/"}, {55, "\\"}, {56, "/"}, {59, "`"},     {60, "Space"},     {61, "Left"},
        {65, "Page Up"}, {70, "Enter"}, {71, "Delete"}, {72, "Backspace"},
    };
    for (const auto& [index, name] : spots) {
        EXPECT_EQ(ShortcutKeyListAt(index), name) << index;
    }
    std::multiset<std::string> names;
    for (int i = 0; i < kShortcutKeyListCount; ++i) {
        names.insert(ShortcutKeyListAt(i));
    }
    EXPECT_EQ(names.count("/"), 2u);
    EXPECT_EQ(names.count("'"), 0u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 72u);

    EXPECT_EQ(DisplayNameToVirtualKey(ShortcutKeyListAt(0)), 0);
    for (int i = 1; i < kShortcutKeyListCount; ++i) {
        const std::string name = ShortcutKeyListAt(i);
        const uint8_t virtualKey = DisplayNameToVirtualKey(name);
        EXPECT_NE(virtualKey, 0) << name;
        std::string back;
        EXPECT_TRUE(VirtualKeyToDisplayName(virtualKey, back)) << name;
        EXPECT_EQ(back, name);
    }
}

}  // namespace
}  // namespace tessary
