// Code-to-tree loading: runs the parser with the nine callbacks that turn what
// it reads into MenuTree nodes.
//
// What the callbacks build:
// - A menu bar has no node of its own; its menus, and the application menu
//   ("FileMaker Pro" until the code names it), are top-level nodes.
// - A context or pop-up menu has no node either: its items are top-level nodes.
// - A menu is begun at the top level and moved under its parent at its closing
//   brace; every platform the parent lacks is then cleared from it and from
//   everything below it. A menu whose text fails stays where it was.
// - An item's set is its own set cut to its parent's. The Mac quit and
//   preferences items are for MacOS X only (set 4), whatever the code says.
// - Captions: a separator is "-Separator-"; a menu or command without a caption
//   of its own shows the English caption of the lexicon and is marked
//   useLocalCaption; any other empty caption becomes "-unnamed-". Captions,
//   script names and user strings are cut to 249 characters.
// - A missing closing brace of the menu bar removes the first top-level node;
//   of a context or pop-up menu, the whole tree; of a menu, that menu.
//
// See pending_tree.h for how the moves are done without copying, and
// direct_loader.h for how a text that reads to its end into an empty tree
// skips them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "menucode/code_tree.h"
#include "menucode/parse_types.h"
#include "menucode/pending_tree.h"

namespace tessary {

class ConversionHooks;
class MenuTree;
enum class MenuCodeEntry : uint8_t;  // syntax_parser.h

// One load into one tree. The nodes are appended after whatever the tree holds
// (callers empty it first).
class CodeLoader {
public:
    explicit CodeLoader(MenuTree& tree, ConversionHooks* hooks = nullptr);
    CodeLoader(const CodeLoader&) = delete;
    CodeLoader& operator=(const CodeLoader&) = delete;

    // kLoadAccepted, kLoadOtherKind, or the line (from 1) at which the text
    // failed. The text ends at its first NUL, if it holds one.
    LoadResult load(std::string_view text, MenuKind kind);

    // The parser's status of the last load (kParseOk when it was accepted).
    uint32_t lastStatus() const { return lastStatus_; }

private:
    static std::optional<MenuCodeEntry> entryOf(MenuKind kind);
    bool loadDirectly(MenuCodeEntry entry, std::string_view text, uint32_t length);
    LoadResult loadPending(std::optional<MenuCodeEntry> entry, std::string_view text, uint32_t length);

    template <typename Loader>
    friend ParseCallbacks loaderCallbacks(Loader& loader);

    // The nine callbacks (loader_callbacks.h). Handles given to the parser are PendingTree ids, and
    // kRootNode for the top level.
    MenuHandle beginMenuBar();
    void abortMenuBar(MenuHandle bar);
    bool attach(MenuHandle parent, MenuHandle menu);
    MenuHandle beginMenu(const MenuSpec& menuSpec);
    void discardMenu(MenuHandle menu);
    bool addItem(MenuHandle parent, const ItemSpec& itemSpec);
    MenuHandle beginAppMenu();
    bool nameAppMenu(MenuHandle appMenu, std::string_view caption);

    // A handle that may receive nodes: the top level or a live menu.
    bool isContainer(MenuHandle handle) const;

    MenuTree& tree_;
    ConversionHooks* hooks_;
    PendingTree pending_;
    uint32_t lastStatus_ = kParseOk;
};

}  // namespace tessary
