// The menu preview without windows: menu code read for one platform into a
// plain tree of entries, each with the text, state and submenu that the
// preview window shows. The shell's preview window turns a PreviewMenu into
// native menus, one entry for one native item, in order:
//   - menuBar true (a main menu): a menu bar, every entry a submenu item;
//     menuBar false (a context or pop-up menu): one pop-up menu;
//   - exists false: no menu at all (the code built none, or abandoned it);
//   - an entry: a separator; or a string item with `text`, grayed when
//     `grayed`, checked when `checked`, and with a submenu of `children` when
//     `submenu` (a submenu may be empty).
// Native items carry command id 0: nothing in a preview is ever acted on.
// tessary-cli preview prints the same tree, so both show the same texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "menucode/parse_types.h"
#include "model/menu_item_record.h"

namespace tessary {

struct PreviewItem {
    // The caption, or, for a FileMaker command or menu written without one,
    // its English caption; for an item with a shortcut followed by a tab and
    // the shortcut text ("Open\tCtrl+O"). At most kMaxTextLength bytes; empty
    // for a separator.
    std::string text;
    bool separator = false;
    bool submenu = false;  // `children` are the submenu's entries
    bool grayed = false;   // disabled and grayed
    bool checked = false;  // with a check mark
    std::vector<PreviewItem> children;
};

struct PreviewMenu {
    bool menuBar = false;
    bool exists = false;
    std::vector<PreviewItem> items;
};

// The shortcut as menus show it: "Ctrl+", "Alt+" (both in this order when
// both are set), then the key's display name ("Ctrl+O", "Alt+F5", "Home");
// empty when keyCode is 0. `modifiers` are ShortcutMods, keyCode a KeyCode.
std::string shortcutText(int modifiers, int keyCode);

// The text of an item entry: its caption (for a FileMaker command without
// one, the command's English caption), then, when it has a key, a tab and
// shortcutText. A caption too long for the limit is cut so that the shortcut
// still fits.
std::string previewItemText(const ItemSpec& item);
// The text of a submenu entry: its caption, or the English caption of its
// FileMaker menu when the code gives none.
std::string previewMenuText(const MenuSpec& menu);

// The explanation the preview window shows, lines separated by '\n': what a
// preview does and leaves out, and for a context or pop-up menu which click
// opens it.
std::string previewExplanation(MenuKind kind);

// The parser's callback table for a preview: each callback adds what it is
// told to a PreviewMenu of the given kind. Items of a menu that is not shown
// (one for other platforms, or the application menu while it is not shown)
// are read and left out; no callback refuses. Build one object per parse.
class PreviewCallbacks {
public:
    // showAppMenu fills the two optional slots, so that the application menu
    // becomes the bar's first entry under the caption the code gives it. The
    // editor's preview, which shows Windows, leaves them empty: Windows has no
    // application menu.
    explicit PreviewCallbacks(MenuKind kind, bool showAppMenu = false);
    PreviewCallbacks(const PreviewCallbacks&) = delete;
    PreviewCallbacks& operator=(const PreviewCallbacks&) = delete;

    // The table refers to this object, which must outlive every parse using it.
    const ParseCallbacks& callbacks() const { return callbacks_; }

    // What the callbacks built: the menu bar or the top-level menu with
    // everything attached to it so far. Call once, after the parse.
    PreviewMenu takeMenu();

private:
    struct OpenMenu {
        std::vector<PreviewItem> items;
        bool open = true;  // false once attached, discarded or abandoned
    };

    MenuHandle beginMenu();
    std::vector<PreviewItem>* itemsOf(MenuHandle handle);
    void close(MenuHandle handle);
    bool attach(MenuHandle parent, MenuHandle menu, std::string text);

    MenuKind kind_;
    std::vector<OpenMenu> menus_;  // handle = index + 1
    MenuHandle top_ = 0;           // the menu bar, or the context or pop-up menu
    ParseCallbacks callbacks_;
};

struct PreviewOutcome {
    PreviewMenu menu;
    ParseStatus status = kParseOk;
    uint32_t line = 0;           // the line at which reading stopped
};

// Reads the code with the entry point of `kind` for the requested platforms
// (the editor's preview asks for kPlatformWindows) and returns what the
// callbacks built, also when the code does not parse.
PreviewOutcome buildPreviewMenu(std::string_view code,
                                MenuKind kind,
                                PlatformMask platforms = kPlatformWindows,
                                bool showAppMenu = false);

}  // namespace tessary
