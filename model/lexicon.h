// The fixed vocabulary of menu code: keywords, FileMaker commands and menus,
// key names and the three forms of a keyboard shortcut. Constant tables and
// small stateless lookups; nothing here allocates.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// What a KeywordTable entry stands for; the parser asks for sets of these.
enum class TokenClass : uint8_t {
    SeparatorItem,
    ScriptItem,
    MacPreferencesItem,
    MacQuitItem,
    ContextMenu,
    PlatformMacClassic,
    PlatformMacX,
    PopupMenu,
    AppMenu,
    CommandItem,
    MenuBar,
    CheckOnOption,
    DisableOption,
    EnableOption,
    Menu,
    PlatformEnd,
    PlatformWindows,
    PlatformMac,
    UserStringOption,
    NoShortcut,
    CtrlModifier,
    AltModifier,
    OpenBody,
    CloseBody,
    Blank,
    LineBreak,
    OpenArguments,
    CloseArguments,
    Comma,
    OpeningQuote,
    ClosingQuote,
    Plus,
};

struct KeywordEntry {
    const char* text;  // at most 23 characters
    uint8_t length;
    TokenClass tokenClass;
};

// The 37 entries in the order the parser tries them (longer keywords before
// the shorter ones they begin with).
constexpr int kKeywordCount = 37;
const KeywordEntry& KeywordAt(int index);  // 0-based

struct FmTableRow {
    const char* keyword;
    uint32_t id;
    const char* caption;
};

constexpr int kFmCommandCount = 197;
constexpr int kFmMenuCount = 33;
const FmTableRow& FmCommandRow(int row);  // 0-based, presentation order
const FmTableRow& FmMenuRow(int row);     // 0-based, ids 1..33 in order

// Keyword lookups compare case-insensitively and whole; id lookups take the
// first row with the id and give its text with its length (a caption lookup
// is false also for a row without a caption). All report whether they found
// anything.
bool LookupFmCommandByKeyword(std::string_view keyword, uint32_t& id);
bool LookupFmMenuByKeyword(std::string_view keyword, uint32_t& id);
bool LookupFmCommandKeyword(uint32_t id, std::string_view& keyword);
bool LookupFmMenuKeyword(uint32_t id, std::string_view& keyword);
bool LookupFmCommandCaption(uint32_t id, std::string_view& caption);
bool LookupFmMenuCaption(uint32_t id, std::string_view& caption);

// KeyCode: 0 none, a positive character code, or -1..-25 for the named keys.
// ShortcutMods: bit 1 Ctrl, bit 2 Alt.
constexpr int kModCtrl = 1;
constexpr int kModAlt = 2;
constexpr uint16_t kShortcutCtrl = 0x0200;
constexpr uint16_t kShortcutAlt = 0x0400;

struct KeyNameEntry {
    const char* name;  // as written in menu code
    int keyCode;       // -position
    uint8_t virtualKey;
    const char* displayName;  // shown in dialogs and menus
};
constexpr int kKeyNameCount = 25;
const KeyNameEntry& KeyNameAt(int index);  // 0-based; position = index + 1

// CharKeyTable: KeyCode of a one-character key name, 0 for no key.
int CharKeyCode(unsigned char c);

// Whether the tables know the key name; keyCode and isFunctionKey are set when
// they do.
bool ParseKeyName(std::string_view name, int& keyCode, bool& isFunctionKey);

// Virtual key of a KeyCode, 0 when it has none; when displayName is given the
// key's display name is appended to it.
uint8_t KeyCodeToVirtualKey(int keyCode, std::string* displayName = nullptr);
// 0 when the KeyCode names no key (0 or outside the tables).
uint16_t PackShortcut(int keyCode, int mods);
void VirtualKeyToKeyCode(uint16_t shortcut, int& keyCode, int& mods);

// The dialogs' forms: exact, case-sensitive display names.
uint8_t DisplayNameToVirtualKey(std::string_view displayName);
// Writes the display name of a virtual key; leaves the text as it was for a
// key outside the tables and returns false then.
bool VirtualKeyToDisplayName(uint8_t virtualKey, std::string& displayName);

constexpr int kShortcutKeyListCount = 73;
const char* ShortcutKeyListAt(int index);  // 0-based; "-none-" first

}  // namespace tessary
