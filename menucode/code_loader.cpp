#include "menucode/code_loader.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "menucode/conversion_hooks.h"
#include "menucode/parser.h"
#include "menucode/syntax_parser.h"
#include "menucode/view_copy.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"

namespace tessary {

namespace {

constexpr std::string_view kSeparatorCaption = "-Separator-";
constexpr std::string_view kUnnamedCaption = "-unnamed-";
constexpr std::string_view kAppMenuCaption = "FileMaker Pro";

// The line reported for a failure: the parser's line, or 1 when it has none
// (an exception left the parse before the line was known).
int failingLine(uint32_t line) {
    if (line == 0) {
        return 1;
    }
    return line > static_cast<uint32_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                         : static_cast<int>(line);
}

}  // namespace

CodeLoader::CodeLoader(MenuTree& tree, ConversionHooks* hooks) : tree_(tree), hooks_(hooks) {}

int CodeLoader::load(std::string_view text, MenuKind kind) {
    text = text.substr(0, text.find('\0'));
    TreeBatch batch(tree_);
    if (hooks_) {
        hooks_->conversionBegin();
    }
    pending_.clear();
    // No construct of menu code takes fewer than 20 characters.
    constexpr size_t kShortestConstruct = 20;
    pending_.reserve(text.size() / kShortestConstruct + 1);

    const ParseCallbacks table = callbacks();
    // Documents are at most 0x80000 bytes; a longer view is read up to what the
    // parser's length can hold and fails there.
    const uint32_t length = static_cast<uint32_t>(std::min<size_t>(text.size(), std::numeric_limits<uint32_t>::max()));
    MenuHandle top = 0;
    ParseOutcome outcome;
    outcome.status = kParseMissingToken;
    bool read = true;
    switch (kind) {
        case MenuKind::MainMenu:
            outcome = RunMenuCodeParse(MenuCodeEntry::MenuBar, table, text.data(), length, kPlatformAll, false, &top);
            break;
        case MenuKind::ContextMenu:
            outcome = RunMenuCodeParse(MenuCodeEntry::Context, table, text.data(), length, kPlatformAll, false, &top);
            break;
        case MenuKind::PopupMenu:
            outcome = RunMenuCodeParse(MenuCodeEntry::Popup, table, text.data(), length, kPlatformAll, false, &top);
            break;
        default:
            // No kind to read the text as: nothing is accepted.
            read = false;
            break;
    }
    const uint32_t status = outcome.status;
    lastStatus_ = status;
    // The line where reading stopped, as the entry points of parser.h report
    // it, worked out only for a text that failed (0 after an exception).
    auto line = [&]() -> uint32_t {
        if (!read) {
            return 1;
        }
        const uint32_t textLength = text.data() != nullptr ? length : 0;
        return outcome.leftByThrow ? 0 : LineIndexAt(text.data(), textLength, outcome.stopped) + 1;
    };

    // Whatever was read stays, also when the text failed.
    const bool complete = pending_.materialize(tree_);
    pending_.clear();

    int result;
    if (status == kParseOk) {
        result = complete ? kLoadAccepted : failingLine(line());
    } else if (status == kParseOtherKind) {
        result = kLoadOtherKind;
    } else {
        result = failingLine(line());
    }
    if (hooks_) {
        hooks_->conversionEnd(tree_.firstTopLevel());
    }
    return result;
}

ParseCallbacks CodeLoader::callbacks() {
    ParseCallbacks table;
    table.BeginMenuBar = [this] { return beginMenuBar(); };
    table.AbortMenuBar = [this](MenuHandle bar) { abortMenuBar(bar); };
    table.AttachMenuToBar = [this](MenuHandle bar, MenuHandle menu, const MenuSpec&) { return attach(bar, menu); };
    table.BeginMenu = [this](const MenuSpec& menuSpec) { return beginMenu(menuSpec); };
    table.DiscardMenu = [this](MenuHandle menu) { discardMenu(menu); };
    table.AddItem = [this](MenuHandle parent, const ItemSpec& itemSpec) { return addItem(parent, itemSpec); };
    table.AttachSubmenu = [this](MenuHandle parent, MenuHandle menu, const MenuSpec&) { return attach(parent, menu); };
    table.BeginAppMenu = [this] { return beginAppMenu(); };
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
void CodeLoader::abortMenuBar(MenuHandle) {
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
    if (menu == 0 || !pending_.isLive(menu) || !isContainer(parent)) {
        return false;
    }
    if (!pending_.move(menu, parent)) {
        return false;
    }
    pending_.clearPlatforms(menu, static_cast<PlatformMask>(~pending_.platformsOf(parent)));
    return true;
}

MenuHandle CodeLoader::beginMenu(const MenuSpec& menuSpec) {
    std::string_view caption;
    uint8_t useLocalCaption = 0;
    if (menuSpec.caption) {
        caption = copyView(*menuSpec.caption);
    } else if (menuSpec.fmMenuId != 0) {
        LookupFmMenuCaption(menuSpec.fmMenuId, caption);
        useLocalCaption = 1;
    } else {
        // The context or pop-up menu itself: its items become top-level nodes.
        return PendingTree::kTop;
    }
    PendingNodeValues menu;
    menu.caption = copyView(caption);
    menu.kind = NodeKind::Menu;
    menu.platforms = static_cast<PlatformMask>(menuSpec.platforms);
    menu.fmId = menuSpec.fmMenuId;
    menu.useLocalCaption = useLocalCaption;
    menu.enabled = 1;
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
    if (!isContainer(parent)) {
        return false;
    }
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

    PendingNodeValues item;
    item.kind = kind;
    const PlatformMask own = macItem ? kPlatformMacX : static_cast<PlatformMask>(itemSpec.platforms);
    item.platforms = own & pending_.platformsOf(parent);
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
    return pending_.add(parent, item) != PendingTree::kNone;
}

MenuHandle CodeLoader::beginAppMenu() {
    PendingNodeValues appMenu;
    appMenu.caption = kAppMenuCaption;
    appMenu.kind = NodeKind::AppMenu;
    appMenu.platforms = kPlatformMac;
    appMenu.enabled = 1;
    return pending_.add(PendingTree::kTop, appMenu);
}

bool CodeLoader::nameAppMenu(MenuHandle appMenu, std::string_view caption) {
    return pending_.setCaption(appMenu, caption);
}

int LoadCodeIntoTree(MenuTree& tree, std::string_view text, MenuKind kind, bool /*fromEditor*/) {
    CodeLoader loader(tree);
    return loader.load(text, kind);
}

}  // namespace tessary
