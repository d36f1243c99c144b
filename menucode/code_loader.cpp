#include "menucode/code_loader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <ostream>

#include "menucode/conversion_hooks.h"
#include "menucode/direct_loader.h"
#include "menucode/loader_callbacks.h"
#include "menucode/node_values.h"
#include "menucode/parser.h"
#include "menucode/syntax_parser.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"

namespace tessary {

namespace {

// The failure at the parser's line, or at line 1 when it has none (an
// exception left the parse before the line was known).
LoadResult failingLine(uint32_t line) {
    return LoadResult::failedAt(line > static_cast<uint32_t>(std::numeric_limits<int>::max())
                                    ? std::numeric_limits<int>::max()
                                    : static_cast<int>(line));
}

}  // namespace

CodeLoader::CodeLoader(MenuTree& tree, ConversionHooks* hooks) : tree_(tree), hooks_(hooks) {}

LoadResult CodeLoader::load(std::string_view text, MenuKind kind) {
    text = text.substr(0, text.find('\0'));
    TreeBatch batch(tree_);
    if (hooks_) {
        hooks_->conversionBegin();
    }
    // Documents are at most 0x80000 bytes; a longer view is read up to what the
    // parser's length can hold and fails there.
    const uint32_t length = static_cast<uint32_t>(std::min<size_t>(text.size(), std::numeric_limits<uint32_t>::max()));
    const std::optional<MenuCodeEntry> entry = entryOf(kind);
    LoadResult result = kLoadAccepted;
    if (entry && tree_.firstTopLevel() == kNoNode && loadDirectly(*entry, text, length)) {
        lastStatus_ = kParseOk;
        result = kLoadAccepted;
    } else {
        result = loadPending(entry, text, length);
    }
    if (hooks_) {
        hooks_->conversionEnd(tree_.firstTopLevel());
    }
    return result;
}

std::optional<MenuCodeEntry> CodeLoader::entryOf(MenuKind kind) {
    switch (kind) {
        case MenuKind::MainMenu:
            return MenuCodeEntry::MenuBar;
        case MenuKind::ContextMenu:
            return MenuCodeEntry::Context;
        case MenuKind::PopupMenu:
            return MenuCodeEntry::Popup;
        default:
            return std::nullopt;  // no kind to read the text as: nothing is accepted
    }
}

// An empty tree and a text that reads to its end: the nodes go straight into
// the tree. Anything else leaves the tree empty again for loadPending.
bool CodeLoader::loadDirectly(MenuCodeEntry entry, std::string_view text, uint32_t length) {
    // Room for the nodes of a text of this size, one per line of about
    // 40 bytes, so that slots and records are not moved as they come.
    constexpr size_t kBytesPerNode = 40;
    tree_.reserve(text.size() / kBytesPerNode + 1);
    DirectLoader direct(tree_);
    MenuHandle top = 0;
    const ParseOutcome outcome =
        RunMenuCodeParse(entry, loaderCallbacks(direct), text.data(), length, kPlatformAll, false, &top);
    if (outcome.status == kParseOk && direct.finish()) {
        return true;
    }
    tree_.clearTree();
    return false;
}

LoadResult CodeLoader::loadPending(std::optional<MenuCodeEntry> entry, std::string_view text, uint32_t length) {
    pending_.clear();
    // No construct of menu code takes fewer than 20 characters.
    constexpr size_t kShortestConstruct = 20;
    pending_.reserve(text.size() / kShortestConstruct + 1);

    MenuHandle top = 0;
    ParseOutcome outcome;
    outcome.status = kParseMissingToken;
    if (entry) {
        outcome = RunMenuCodeParse(*entry, loaderCallbacks(*this), text.data(), length, kPlatformAll, false, &top);
    }
    const uint32_t status = outcome.status;
    lastStatus_ = status;
    // The line where reading stopped, as the entry points of parser.h report
    // it, worked out only for a text that failed (0 after an exception).
    auto line = [&]() -> uint32_t {
        if (!entry) {
            return 1;
        }
        const uint32_t textLength = text.data() != nullptr ? length : 0;
        return outcome.leftByThrow ? 0 : LineIndexAt(text.data(), textLength, outcome.stopped) + 1;
    };

    // Whatever was read stays, also when the text failed.
    const bool complete = pending_.materialize(tree_);
    pending_.clear();

    if (status == kParseOk) {
        return complete ? kLoadAccepted : failingLine(line());
    }
    if (status == kParseOtherKind) {
        return kLoadOtherKind;
    }
    return failingLine(line());
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
    PendingNodeValues menu;
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
    PendingNodeValues item;
    return isContainer(parent) && itemNodeValues(itemSpec, pending_.platformsOf(parent), item) &&
           pending_.add(parent, item) != PendingTree::kNone;
}

MenuHandle CodeLoader::beginAppMenu() {
    return pending_.add(PendingTree::kTop, appMenuNodeValues());
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
