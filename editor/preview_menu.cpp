#include "editor/preview_menu.h"

#include <utility>

#include "menucode/parser.h"
#include "model/lexicon.h"

namespace tessary {

namespace {

// The caption, cut so that `room` bytes remain for what follows it.
void appendCut(std::string& text, std::string_view caption, size_t room) {
    const size_t limit = kMaxTextLength > room ? kMaxTextLength - room : 0;
    text.append(caption.substr(0, limit));
}

}  // namespace

std::string shortcutText(int modifiers, int keyCode) {
    std::string text;
    if (keyCode == 0) {
        return text;
    }
    if (modifiers & kModCtrl) {
        text += "Ctrl+";
    }
    if (modifiers & kModAlt) {
        text += "Alt+";
    }
    KeyCodeToVirtualKey(keyCode, &text);
    return text;
}

std::string previewItemText(const ItemSpec& item) {
    std::string_view caption;
    if (item.caption) {
        caption = *item.caption;
    } else if (item.kind == ItemSpecKind::FmCommand) {
        LookupFmCommandCaption(item.commandId, caption);
    }
    const std::string shortcut = shortcutText(item.modifiers, item.key);
    std::string text;
    if (shortcut.empty()) {
        appendCut(text, caption, 0);
    } else {
        appendCut(text, caption, shortcut.size() + 1);
        text += '\t';
        text += shortcut;
    }
    return text;
}

std::string previewMenuText(const MenuSpec& menu) {
    std::string_view caption;
    if (menu.caption) {
        caption = *menu.caption;
    } else {
        LookupFmMenuCaption(menu.fmMenuId, caption);
    }
    std::string text;
    appendCut(text, caption, 0);
    return text;
}

std::string previewExplanation(MenuKind kind) {
    std::string text =
        "This is a menu preview window.\n"
        "FileMaker scripts and FileMaker menu commands will not be triggered.\n"
        "Default keyboard shortcuts of FileMaker menu items\n"
        "are not shown in this preview menu.\n"
        "Local captions of FileMaker items will be shown in English.";
    if (kind == MenuKind::ContextMenu) {
        text += "\nRight-click to open menu.";
    } else if (kind == MenuKind::PopupMenu) {
        text += "\nClick to open menu.";
    }
    return text;
}

PreviewCallbacks::PreviewCallbacks(MenuKind kind, bool showAppMenu) : kind_(kind) {
    callbacks_.BeginMenuBar = [this] {
        top_ = beginMenu();
        return top_;
    };
    callbacks_.AbortMenuBar = [this](MenuHandle bar) { close(bar); };
    callbacks_.AttachMenuToBar = [this](MenuHandle bar, MenuHandle menu, const MenuSpec& spec) {
        return attach(bar, menu, previewMenuText(spec));
    };
    callbacks_.BeginMenu = [this](const MenuSpec&) {
        const MenuHandle menu = beginMenu();
        // The first menu of a context or pop-up menu is the menu itself.
        if (kind_ != MenuKind::MainMenu && top_ == 0) {
            top_ = menu;
        }
        return menu;
    };
    callbacks_.DiscardMenu = [this](MenuHandle menu) { close(menu); };
    callbacks_.AddItem = [this](MenuHandle parent, const ItemSpec& spec) {
        std::vector<PreviewItem>* items = itemsOf(parent);
        if (items == nullptr) {
            return true;  // an item of a menu that is not shown
        }
        PreviewItem item;
        if (spec.kind == ItemSpecKind::Separator) {
            item.separator = true;
        } else {
            item.text = previewItemText(spec);
            item.grayed = spec.enabled == 0;
            item.checked = spec.kind == ItemSpecKind::Script && spec.checkOn > 0;
        }
        items->push_back(std::move(item));
        return true;
    };
    callbacks_.AttachSubmenu = [this](MenuHandle parent, MenuHandle menu, const MenuSpec& spec) {
        return attach(parent, menu, previewMenuText(spec));
    };
    if (showAppMenu) {
        callbacks_.BeginAppMenu = [this](uint32_t) { return beginMenu(); };
        callbacks_.NameAppMenu = [this](MenuHandle bar, MenuHandle appMenu, std::string_view caption) {
            std::string text;
            appendCut(text, caption, 0);
            return attach(bar, appMenu, std::move(text));
        };
    }
}

MenuHandle PreviewCallbacks::beginMenu() {
    menus_.emplace_back();
    return static_cast<MenuHandle>(menus_.size());
}

std::vector<PreviewItem>* PreviewCallbacks::itemsOf(MenuHandle handle) {
    if (handle == 0 || handle > menus_.size() || !menus_[handle - 1].open) {
        return nullptr;
    }
    return &menus_[handle - 1].items;
}

void PreviewCallbacks::close(MenuHandle handle) {
    if (std::vector<PreviewItem>* items = itemsOf(handle)) {
        std::vector<PreviewItem>().swap(*items);
        menus_[handle - 1].open = false;
    }
    if (handle == top_) {
        top_ = 0;
    }
}

bool PreviewCallbacks::attach(MenuHandle parent, MenuHandle menu, std::string text) {
    std::vector<PreviewItem>* items = itemsOf(menu);
    if (items == nullptr) {
        return false;
    }
    std::vector<PreviewItem>* parentItems = itemsOf(parent);
    if (parentItems == nullptr) {
        close(menu);  // a submenu of a menu that is not shown
        return true;
    }
    PreviewItem item;
    item.text = std::move(text);
    item.submenu = true;
    item.children = std::move(*items);
    menus_[menu - 1].open = false;
    parentItems->push_back(std::move(item));
    return true;
}

PreviewMenu PreviewCallbacks::takeMenu() {
    PreviewMenu menu;
    menu.menuBar = kind_ == MenuKind::MainMenu;
    if (std::vector<PreviewItem>* items = itemsOf(top_)) {
        menu.exists = true;
        menu.items = std::move(*items);
        menus_[top_ - 1].open = false;
    }
    top_ = 0;
    return menu;
}

PreviewOutcome buildPreviewMenu(std::string_view code, MenuKind kind, PlatformMask platforms, bool showAppMenu) {
    PreviewCallbacks preview(kind, showAppMenu);
    PreviewOutcome outcome;
    outcome.status = parseMenuCode(preview.callbacks(), code, kind, platforms, &outcome.line);
    outcome.menu = preview.takeMenu();
    return outcome;
}

}  // namespace tessary
