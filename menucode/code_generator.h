// Tree-to-code generation: walks the MenuTree in order and feeds every node to
// the writer of the document's kind, then delivers the writer's text.
//
// What each node passes to the writer:
//   Menu                OpenMenu {platforms, caption (none with useLocalCaption), fmMenuId = fmId},
//                       its children, CloseMenu
//   AppMenu             OpenAppMenu (caption), its children, CloseMenu
//   ScriptItem          kind 2: platforms, caption, shortcut, enabled, userString, scriptName, checkOn
//   FmItem              kind 1: platforms, caption (none with useLocalCaption), shortcut, enabled,
//                       userString, command id = fmId
//   Separator           kind 3: platforms, enabled 1
//   MacQuitItem         kind 4: platforms 4, caption, enabled, userString, scriptName
//   MacPreferencesItem  kind 5: as MacQuitItem
// Captions are read through 250-byte buffers (at most 249 characters).
#pragma once

#include <cstddef>
#include <string>

#include "menucode/code_tree.h"
#include "model/node_handle.h"

namespace tessary {

class ConversionHooks;
class FM_Builder;
class MenuTree;

// Feeds `first`, its following siblings and all their descendants to the
// writer, in tree order. False at the first call the writer refuses; the walk
// ends there, leaving the menus above that node open.
//
// menuLevels is how many levels of menus (Menu and AppMenu nodes) may still
// open below this point. The reader of menu code follows menus only so deep
// (kMaxMenuDepth, counting the context or pop-up menu itself), so a deeper menu
// is refused like any node the writer refuses: its text could not be read back.
bool WalkNodes(const MenuTree& tree, NodeHandle first, FM_Builder& writer, int menuLevels);

// The levels of menus a tree of the kind may hold for its text to read back.
int menuLevelsOf(MenuKind kind);

// The tree's whole menu code in `text`. False, with `text` empty, when the
// writer refused a node (or could not be made): the tree cannot be written as
// menu code, and no part of it is delivered as if it were the whole.
bool generateMenuCodeText(const MenuTree& tree, MenuKind kind, std::string& text, ConversionHooks* hooks = nullptr);

// GenerateMenuCode of code_tree.h, telling the user interface while it walks.
// On false the buffer is left as it was.
bool GenerateMenuCode(const MenuTree& tree, MenuKind kind, char* buffer, size_t capacity, ConversionHooks* hooks);

}  // namespace tessary
