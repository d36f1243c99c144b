#include "menucode/code_loader.h"

#include <algorithm>
#include <limits>
#include <ostream>

#include "menucode/conversion_hooks.h"
#include "menucode/parser.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"

namespace tessary {

namespace {

constexpr std::string_view kSeparatorCaption = "-Separator-";
constexpr std::string_view kUnnamedCaption = "-unnamed-";
constexpr std::string_view kAppMenuCaption = "FileMaker Pro";

// The node of a menu, with its own platform set. False for the context or
// pop-up menu itself, which has no node: its items are top-level nodes.
bool menuNodeValues(const MenuSpec& menuSpec, NodeValues& menu) {
    if (menuSpec.caption) {
        menu.caption = *menuSpec.caption;
    } else if (menuSpec.fmMenuId != 0) {
        LookupFmMenuCaption(menuSpec.fmMenuId, menu.caption);
        menu.useLocalCaption = 1;
    } else {
        return false;
    }
    menu.kind = NodeKind::Menu;
    menu.platforms = static_cast<PlatformMask>(menuSpec.platforms);
    menu.fmId = menuSpec.fmMenuId;
    menu.enabled = 1;
    return true;
}

// The node of an item under a parent whose children take `parentPlatforms`.
// False for a kind of item that has no node.
bool itemNodeValues(const ItemSpec& itemSpec, PlatformMask parentPlatforms, NodeValues& item) {
    const NodeKind kind = nodeKindOf(itemSpec.kind);
    if (kind == NodeKind::None) {
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
        item.scriptName = itemSpec.scriptName.value_or(std::string_view());
    }
    if (kind == NodeKind::ScriptItem || kind == NodeKind::FmItem) {
        item.userString = itemSpec.userString.value_or(std::string_view());
    }

    if (kind == NodeKind::Separator) {
        item.caption = kSeparatorCaption;
    } else if (itemSpec.caption) {
        item.caption = *itemSpec.caption;
    } else if (kind == NodeKind::FmItem) {
        LookupFmCommandCaption(itemSpec.commandId, item.caption);
        item.useLocalCaption = 1;
    }
    if (item.caption.empty()) {
        item.caption = kUnnamedCaption;
    }
    return true;
}

// The failure at the parser's line, or at line 1 when it has none (an
// exception left the parse before the line was known).
LoadResult failingLine(uint32_t line) {
    constexpr auto kHighest = static_cast<uint32_t>(std::numeric_limits<int>::max());
    return LoadResult::failedAt(static_cast<int>(std::min(line, kHighest)));
}

}  // namespace

NodeKind nodeKindOf(ItemSpecKind kind) {
    switch (kind) {
        case ItemSpecKind::FmCommand:
            return NodeKind::FmItem;
        case ItemSpecKind::Script:
            return NodeKind::ScriptItem;
        case ItemSpecKind::Separator:
            return NodeKind::Separator;
        case ItemSpecKind::MacQuit:
            return NodeKind::MacQuitItem;
        case ItemSpecKind::MacPreferences:
            return NodeKind::MacPreferencesItem;
        default:
            return NodeKind::None;
    }
}

CodeLoader::CodeLoader(MenuTree& tree, ConversionHooks* hooks) : tree_(tree), hooks_(hooks) {}

LoadResult CodeLoader::load(std::string_view text, MenuKind kind) {
    text = text.substr(0, text.find('\0'));
    TreeBatch batch(tree_);
    if (hooks_) {
        hooks_->conversionBegin();
    }
    pending_.clear();
    // No construct of menu code takes fewer than 20 bytes.
    pending_.reserve(text.size() / 20 + 1);
    uint32_t line = 0;
    const ParseStatus status = parseMenuCode(callbacks(), text, kind, kPlatformAll, &line);
    // Whatever was read stays, also when the text failed.
    const bool complete = pending_.materialize(tree_);
    pending_.clear();
    if (hooks_) {
        hooks_->conversionEnd(tree_.firstTopLevel());
    }

    if (status == kParseOk && complete) {
        return LoadResult::accepted();
    }
    if (status == kParseOtherKind) {
        return LoadResult::otherKind();
    }
    return failingLine(line);
}

// Each slot sends the call to the member of the same meaning.
ParseCallbacks CodeLoader::callbacks() {
    ParseCallbacks table;
    table.BeginMenuBar = [this] { return beginMenuBar(); };
    table.AbortMenuBar = [this](MenuHandle) { abortMenuBar(); };
    table.AttachMenuToBar = [this](MenuHandle bar, MenuHandle menu, const MenuSpec&) { return attach(bar, menu); };
    table.BeginMenu = [this](const MenuSpec& menuSpec) { return beginMenu(menuSpec); };
    table.DiscardMenu = [this](MenuHandle menu) { discardMenu(menu); };
    table.AddItem = [this](MenuHandle parent, const ItemSpec& itemSpec) { return addItem(parent, itemSpec); };
    table.AttachSubmenu = [this](MenuHandle parent, MenuHandle menu, const MenuSpec&) { return attach(parent, menu); };
    table.BeginAppMenu = [this](uint32_t) { return beginAppMenu(); };
    table.NameAppMenu = [this](MenuHandle, MenuHandle appMenu, std::string_view caption) {
        return nameAppMenu(appMenu, caption);
    };
    return table;
}

bool CodeLoader::isContainer(MenuHandle handle) const {
    if (handle == PendingTree::kTop) {
        return true;
    }
    const NodeKind kind = pending_.kind(handle);
    return kind == NodeKind::Menu || kind == NodeKind::AppMenu;
}

// The menu bar has no node: its menus go to the top level.
MenuHandle CodeLoader::beginMenuBar() {
    return PendingTree::kTop;
}

// Removes the first top-level node: one the tree held before the load, when
// there is one, else the first one of this load.
void CodeLoader::abortMenuBar() {
    const NodeHandle first = tree_.firstTopLevel();
    if (first != kNoNode) {
        tree_.deleteSubtree(first);
        return;
    }
    pending_.remove(pending_.firstTopLevel());
}

// The closing brace of a menu: the menu moves under its parent and loses every
// platform the parent lacks. Refused when there is nothing to move or nowhere to
// move it, so that nothing is lost without the parse knowing.
bool CodeLoader::attach(MenuHandle parent, MenuHandle menu) {
    if (!isContainer(parent) || !pending_.move(menu, parent)) {
        return false;
    }
    // A parent for all platforms takes none away.
    if (const PlatformMask kept = pending_.platformsOf(parent); kept != kPlatformAll) {
        pending_.clearPlatforms(menu, static_cast<PlatformMask>(~kept));
    }
    return true;
}

MenuHandle CodeLoader::beginMenu(const MenuSpec& menuSpec) {
    NodeValues menu;
    if (!menuNodeValues(menuSpec, menu)) {
        return PendingTree::kTop;  // the context or pop-up menu itself
    }
    return pending_.add(PendingTree::kTop, menu);
}

// The root marker stands for a whole context or pop-up menu: the tree is emptied.
void CodeLoader::discardMenu(MenuHandle menu) {
    if (menu == 0) {
        return;
    }
    if (menu == PendingTree::kTop) {
        tree_.clearTree();
        pending_.clear();
        return;
    }
    pending_.remove(menu);
}

bool CodeLoader::addItem(MenuHandle parent, const ItemSpec& itemSpec) {
    NodeValues item;
    return isContainer(parent) && itemNodeValues(itemSpec, pending_.platformsOf(parent), item) &&
           pending_.add(parent, item) != PendingTree::kNone;
}

MenuHandle CodeLoader::beginAppMenu() {
    NodeValues appMenu;
    appMenu.caption = kAppMenuCaption;
    appMenu.kind = NodeKind::AppMenu;
    appMenu.platforms = kPlatformMac;
    appMenu.enabled = 1;
    return pending_.add(PendingTree::kTop, appMenu);
}

bool CodeLoader::nameAppMenu(MenuHandle appMenu, std::string_view caption) {
    return pending_.setCaption(appMenu, caption);
}

std::ostream& operator<<(std::ostream& out, LoadResult result) {
    if (result.isAccepted()) {
        return out << "accepted";
    }
    if (result.isOtherKind()) {
        return out << "other kind";
    }
    return out << "line " << result.failingLine();
}

LoadResult LoadCodeIntoTree(MenuTree& tree, std::string_view text, MenuKind kind, bool /*fromEditor*/) {
    CodeLoader loader(tree);
    return loader.load(text, kind);
}

}  // namespace tessary
