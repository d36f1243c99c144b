// The settings record that every node of a MenuTree owns, and the small value
// types around it: the node kinds, the platform masks and the document's menu
// kind. The record is a plain, trivially copyable struct: it is created
// zero-filled and copied byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace tessary {

// What a node is. The value is also the index of the node's icon in the tree's
// image list, one icon per kind in this order. None is what getKind reports for
// no node, the top level and the position markers.
enum class NodeKind : int {
    None = -1,
    AppMenu = 0,  // the Mac OS X application menu / Mac Classic Apple menu
    Menu = 1,     // a menu of the menu bar, or a submenu
    ScriptItem = 2,
    FmItem = 3,  // stands for a FileMaker menu command
    Separator = 4,
    MacQuitItem = 5,
    MacPreferencesItem = 6,
};
constexpr int kNodeKindCount = 7;

constexpr bool isValidNodeKind(NodeKind kind) {
    return static_cast<int>(kind) >= 0 && static_cast<int>(kind) < kNodeKindCount;
}

// The kind's name as code and tools spell it ("AppMenu", "Menu", ...); "None"
// for a value outside the kinds.
constexpr const char* nodeKindName(NodeKind kind) {
    switch (kind) {
        case NodeKind::AppMenu:
            return "AppMenu";
        case NodeKind::Menu:
            return "Menu";
        case NodeKind::ScriptItem:
            return "ScriptItem";
        case NodeKind::FmItem:
            return "FmItem";
        case NodeKind::Separator:
            return "Separator";
        case NodeKind::MacQuitItem:
            return "MacQuitItem";
        case NodeKind::MacPreferencesItem:
            return "MacPreferencesItem";
        default:
            return "None";
    }
}

// Only these kinds hold children in a well-formed tree.
constexpr bool isMenuKind(NodeKind kind) {
    return kind == NodeKind::AppMenu || kind == NodeKind::Menu;
}

// Target platforms of a node, a bit set.
using PlatformMask = uint16_t;
constexpr PlatformMask kPlatformWindows = 0x1;
constexpr PlatformMask kPlatformMacClassic = 0x2;
constexpr PlatformMask kPlatformMacX = 0x4;
constexpr PlatformMask kPlatformMac = kPlatformMacClassic | kPlatformMacX;  // 6
constexpr PlatformMask kPlatformAll = kPlatformWindows | kPlatformMac;      // 7

// The kind of a document.
enum class MenuKind : int {
    MainMenu = 0,  // a menu bar
    ContextMenu = 1,
    PopupMenu = 2,
};

// Texts of records and captions: 250-byte buffers, so at most 249 characters.
constexpr size_t kRecordTextSize = 250;
constexpr size_t kMaxTextLength = kRecordTextSize - 1;

struct MenuItemRecord {
    char scriptName[kRecordTextSize];  // ScriptItem, MacQuitItem, MacPreferencesItem
    char userString[kRecordTextSize];  // ScriptItem, FmItem
    uint32_t fmId;                     // Menu: standard FileMaker menu id (0 none); FmItem: command id
    uint16_t platforms;                // PlatformMask; an AppMenu always reports 6 instead
    uint16_t shortcut;                 // virtual key | 0x0200 Ctrl | 0x0400 Alt; 0 none
    uint8_t enabled;
    uint8_t checkOn;
    uint8_t useLocalCaption;
};

static_assert(std::is_trivially_copyable_v<MenuItemRecord>);
static_assert(std::is_standard_layout_v<MenuItemRecord>);
static_assert(offsetof(MenuItemRecord, userString) == 250);
static_assert(offsetof(MenuItemRecord, fmId) == 500);
static_assert(offsetof(MenuItemRecord, platforms) == 504);
static_assert(offsetof(MenuItemRecord, shortcut) == 506);
static_assert(offsetof(MenuItemRecord, useLocalCaption) == 510);

// Every byte zero, padding included.
inline void clearRecord(MenuItemRecord& record) {
    std::memset(&record, 0, sizeof record);
}

// Byte-for-byte copy, padding included.
inline void copyRecord(MenuItemRecord& target, const MenuItemRecord& source) {
    std::memcpy(&target, &source, sizeof target);
}

inline bool recordsEqual(const MenuItemRecord& a, const MenuItemRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The text held in one of the record's fields, up to its NUL (never more than
// 249 characters, even when a field lacks its terminator).
inline std::string_view recordText(const char (&field)[kRecordTextSize]) {
    return std::string_view(field, strnlen(field, kMaxTextLength));
}

// What a new node is made of: its caption, its kind and the values of its
// record; every other byte of the record is zero. The defaults are those of a
// new node that nothing else is said of: on every platform and enabled. The
// texts are views, read when the node is made.
struct NodeValues {
    std::string_view caption;
    NodeKind kind = NodeKind::None;
    PlatformMask platforms = kPlatformAll;
    uint16_t shortcut = 0;
    uint32_t fmId = 0;
    uint8_t useLocalCaption = 0;
    uint8_t enabled = 1;
    uint8_t checkOn = 0;
    std::string_view scriptName;
    std::string_view userString;
};

// Stores a text in one of the record's fields, the rest of the field zeroed.
// Texts longer than 249 characters are refused and leave the field unchanged.
inline bool setRecordText(char (&field)[kRecordTextSize], std::string_view text) {
    if (text.size() > kMaxTextLength) {
        return false;
    }
    std::memset(field, 0, kRecordTextSize);
    if (!text.empty()) {
        std::memcpy(field, text.data(), text.size());
    }
    return true;
}

}  // namespace tessary
