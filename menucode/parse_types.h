// The records and callback table through which the parser reports what it
// reads, and through which the tree walk feeds the writer.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tessary {

using MenuHandle = uint32_t;  // chosen by the callbacks; 0 means none

enum ParseStatus : uint32_t {
    kParseOk = 0,
    kParseMissingToken = 1,
    kParseUnclosed = 2,  // quoted text without closing quote, or #IF block open at the end
    kParseEndIfOutsideBlock = 3,
    kParseNestedIf = 4,
    kParseNoText = 7,
    kParseMisplaced = 8,  // construct where it cannot stand (also: nesting too deep)
    kParseMissingCallback = 10,
    kParseRefused = 11,  // a callback refused, or an exception left the parse
    kParseUnknownKeyName = 13,
    kParseScriptItemsForbidden = 15,
    kParseUnknownCommand = 16,
    kParseUnknownMenu = 17,
    kParseOtherKind = 18,
};

enum class ItemSpecKind : uint8_t {
    None = 0,
    FmCommand = 1,
    Script = 2,
    Separator = 3,
    MacQuit = 4,
    MacPreferences = 5,
};

// Texts are views into the parser's text (or the caller's buffers) and are
// valid only during the call; a callback copies what it keeps. `offset` is
// where the construct's keyword (FM_MENU, FM_MENUITEM, ...) stands in the
// text, in bytes from its start; 0 where no text was read (the tree walk).
struct MenuSpec {
    uint32_t platforms = 0;
    std::optional<std::string_view> caption;  // none when no quoted caption
    uint32_t fmMenuId = 0;
    uint32_t offset = 0;
};

struct ItemSpec {
    uint32_t platforms = 0;
    ItemSpecKind kind = ItemSpecKind::None;
    std::optional<std::string_view> caption;
    int modifiers = 0;  // ShortcutMods
    int key = 0;        // KeyCode, 0 = no shortcut
    uint8_t enabled = 1;
    std::optional<std::string_view> userString;  // empty when not given; none for kinds 3-5
    uint32_t commandId = 0;                      // target of kind 1
    std::optional<std::string_view> scriptName;  // target of kinds 2, 4, 5
    uint8_t checkOn = 0;
    uint32_t offset = 0;
};

// Nine slots; an empty std::function is a missing slot.
struct ParseCallbacks {
    std::function<MenuHandle()> BeginMenuBar;
    std::function<void(MenuHandle bar)> AbortMenuBar;
    std::function<bool(MenuHandle bar, MenuHandle menu, const MenuSpec&)> AttachMenuToBar;
    std::function<MenuHandle(const MenuSpec&)> BeginMenu;
    std::function<void(MenuHandle menu)> DiscardMenu;
    std::function<bool(MenuHandle parent, const ItemSpec&)> AddItem;
    std::function<bool(MenuHandle parent, MenuHandle menu, const MenuSpec&)> AttachSubmenu;
    // optional; given the offset of the FM_APPMENU keyword
    std::function<MenuHandle(uint32_t offset)> BeginAppMenu;
    std::function<bool(MenuHandle bar, MenuHandle appMenu, std::string_view caption)> NameAppMenu;  // optional
};

}  // namespace tessary
