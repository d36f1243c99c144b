// Small helpers shared by the tests of loading and generation.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "model/tree_flatten.h"
#include "model/tree_test_support.h"

namespace tessary::codetree_test {

// Lines joined with CR LF, the last one ended too.
inline std::string codeLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The code of a small main menu that shows the writer's layout: an application
// menu with the preferences item, a File menu with a local-caption command, a
// separator and a script item with Ctrl+P, and a Windows-only menu.
inline const std::string kSmallMainMenuCode = codeLines({
    "FM_MENUBAR ()",
    "{",
    "\tFM_APPMENU ( \"FileMaker Pro\" )",
    "\t{",
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )",
    "\t}",
    "\tFM_MENU ( \"File\" , FM_MENU_FILE )",
    "\t{",
    "\t\tFM_MENUITEM ( FM_OPEN )",
    "\t\tFM_MENUITEMSEPARATOR ()",
    "\t\tFM_MENUSCRIPTITEM ( \"Print One\", \"Print\", CTRL + \"P\", String:\"Print\", Check-On )",
    "\t}",
    "#IF_WIN",
    "\tFM_MENU ( \"Tools\" )",
    "\t{",
    "\t\tFM_MENUSCRIPTITEM ( \"Sharing...\", \"Sharing\", Disabled )",
    "\t}",
    "#END_IF",
    "}",
});

inline std::string flat(const MenuTree& tree) {
    return flattenTree(tree, kFlattenKinds | kFlattenPlatforms);
}

// The generated text, or "<refused>" when generation failed.
inline std::string generated(const MenuTree& tree, MenuKind kind) {
    std::string text;
    if (!generateMenuCodeText(tree, kind, text)) {
        return "<refused>";
    }
    return text;
}

// The first node, in pre-order, with the caption; kNoNode when there is none.
inline NodeHandle findByCaption(const MenuTree& tree, std::string_view caption) {
    NodeHandle node = tree.firstTopLevel();
    while (node != kNoNode) {
        if (tree.caption(node) == caption) {
            return node;
        }
        if (tree.firstChild(node) != kNoNode) {
            node = tree.firstChild(node);
            continue;
        }
        while (node != kNoNode && tree.nextSibling(node) == kNoNode) {
            const NodeHandle up = tree.parent(node);
            node = up == kRootNode ? kNoNode : up;
        }
        if (node != kNoNode) {
            node = tree.nextSibling(node);
        }
    }
    return kNoNode;
}

}  // namespace tessary::codetree_test
