// What the loader makes of what the parser reports: the values of the node a
// menu or an item becomes. Shared by the two ways of loading (code_loader.h).
//
// - Captions: a separator is "-Separator-"; a menu or command without a caption
//   of its own shows the English caption of the lexicon and is marked
//   useLocalCaption; any other empty caption becomes "-unnamed-".
// - An item's set is its own set cut to its parent's. The Mac quit and
//   preferences items are for MacOS X only (set 4), whatever the code says.
//
// Inline: the values go on to the tree in registers (see view_copy.h).
#pragma once

#include <string_view>

#include "menucode/parse_types.h"
#include "menucode/pending_tree.h"
#include "menucode/view_copy.h"
#include "model/lexicon.h"

namespace tessary {

inline constexpr std::string_view kSeparatorCaption = "-Separator-";
inline constexpr std::string_view kUnnamedCaption = "-unnamed-";
inline constexpr std::string_view kAppMenuCaption = "FileMaker Pro";

// The node of a menu, with its own platform set. False for the context or
// pop-up menu itself, which has no node: its items are top-level nodes.
inline bool menuNodeValues(const MenuSpec& menuSpec, PendingNodeValues& menu) {
    std::string_view caption;
    uint8_t useLocalCaption = 0;
    if (menuSpec.caption) {
        caption = copyView(*menuSpec.caption);
    } else if (menuSpec.fmMenuId != 0) {
        LookupFmMenuCaption(menuSpec.fmMenuId, caption);
        useLocalCaption = 1;
    } else {
        return false;
    }
    menu.caption = copyView(caption);
    menu.kind = NodeKind::Menu;
    menu.platforms = static_cast<PlatformMask>(menuSpec.platforms);
    menu.fmId = menuSpec.fmMenuId;
    menu.useLocalCaption = useLocalCaption;
    menu.enabled = 1;
    return true;
}

// The node of an item under a parent whose children take `parentPlatforms`.
// False for a kind of item that has no node.
inline bool itemNodeValues(const ItemSpec& itemSpec, PlatformMask parentPlatforms, PendingNodeValues& item) {
    NodeKind kind;
    switch (itemSpec.kind) {
        case ItemSpecKind::FmCommand:
            kind = NodeKind::FmItem;
            break;
        case ItemSpecKind::Script:
            kind = NodeKind::ScriptItem;
            break;
        case ItemSpecKind::Separator:
            kind = NodeKind::Separator;
            break;
        case ItemSpecKind::MacQuit:
            kind = NodeKind::MacQuitItem;
            break;
        case ItemSpecKind::MacPreferences:
            kind = NodeKind::MacPreferencesItem;
            break;
        default:
            return false;
    }
    const bool macItem = kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem;

    item.kind = kind;
    const PlatformMask own = macItem ? kPlatformMacX : static_cast<PlatformMask>(itemSpec.platforms);
    item.platforms = own & parentPlatforms;
    item.shortcut = PackShortcut(itemSpec.key, itemSpec.modifiers);
    item.enabled = itemSpec.enabled;
    if (kind == NodeKind::FmItem) {
        item.fmId = itemSpec.commandId;
    }
    if (kind == NodeKind::ScriptItem) {
        item.checkOn = itemSpec.checkOn;
    }
    if (kind == NodeKind::ScriptItem || macItem) {
        item.scriptName = itemSpec.scriptName ? copyView(*itemSpec.scriptName) : std::string_view();
    }
    if (kind == NodeKind::ScriptItem || kind == NodeKind::FmItem) {
        item.userString = itemSpec.userString ? copyView(*itemSpec.userString) : std::string_view();
    }

    std::string_view caption;
    if (kind == NodeKind::Separator) {
        caption = kSeparatorCaption;
    } else if (itemSpec.caption) {
        caption = copyView(*itemSpec.caption);
    } else if (kind == NodeKind::FmItem) {
        LookupFmCommandCaption(itemSpec.commandId, caption);
        item.useLocalCaption = 1;
    }
    if (caption.empty()) {
        caption = kUnnamedCaption;
    }
    item.caption = copyView(caption);
    return true;
}

// The application menu's node, until the code names it.
inline PendingNodeValues appMenuNodeValues() {
    PendingNodeValues appMenu;
    appMenu.caption = kAppMenuCaption;
    appMenu.kind = NodeKind::AppMenu;
    appMenu.platforms = kPlatformMac;
    appMenu.enabled = 1;
    return appMenu;
}

}  // namespace tessary
