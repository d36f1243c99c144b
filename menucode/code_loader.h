// Code-to-tree loading: runs the parser with the nine callbacks that turn what
// it reads into MenuTree nodes.
//
// The path from text to tree, top down:
// 1. LoadCodeIntoTree (code_tree.h) makes a CodeLoader for the tree.
// 2. CodeLoader::load cuts the text at its first NUL, brackets the work with
//    the tree's batch and the hooks, and runs the entry point of the menu kind
//    (ParseMenuBarCode, ParseContextMenuCode or ParsePopupMenuCode, parser.h)
//    with the loader's callbacks.
// 3. The entry point runs the grammar rules of FMSyntaxParser
//    (syntax_parser.h), which call back once per menu begun, item read and
//    menu closed.
// 4. Each callback (beginMenu, addItem, attach, ...) works out the node's
//    values and arranges the node in the PendingTree (pending_tree.h), which
//    moves a closed menu under its parent in constant time.
// 5. When the parse is over, whether it failed or not, PendingTree::materialize
//    inserts the arranged nodes into the MenuTree, each once, through
//    MenuTree::insertNode.
// 6. load turns the parser's status and line into a LoadResult.
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
#pragma once

#include <cstdint>
#include <string_view>

#include "menucode/code_tree.h"
#include "menucode/parse_types.h"
#include "menucode/pending_tree.h"

namespace tessary {

class ConversionHooks;
class MenuTree;

// The node an item of the code makes; NodeKind::None for none.
NodeKind nodeKindOf(ItemSpecKind kind);

// One load into one tree. The nodes are appended after whatever the tree holds
// (callers empty it first).
class CodeLoader {
public:
    explicit CodeLoader(MenuTree& tree, ConversionHooks* hooks = nullptr);
    CodeLoader(const CodeLoader&) = delete;
    CodeLoader& operator=(const CodeLoader&) = delete;

    // Accepted, code of another kind, or the line (from 1) at which the text
    // failed. The text ends at its first NUL, if it holds one.
    LoadResult load(std::string_view text, MenuKind kind);

private:
    ParseCallbacks callbacks();

    // The nine callbacks. Handles given to the parser are PendingTree ids,
    // and PendingTree::kTop for the top level.
    MenuHandle beginMenuBar();
    void abortMenuBar();
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
};

}  // namespace tessary
