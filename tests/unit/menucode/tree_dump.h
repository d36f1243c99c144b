// The whole state of a MenuTree as text, one line per node, children indented
// by two blanks: caption, kind and every record field, and whether the node is
// expanded. Two trees are the same tree when their dumps are equal. Bytes
// outside printable ASCII are written as \xNN so that a difference can be read.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "model/menu_tree.h"

namespace tessary::codetree_test {

inline void appendEscaped(std::string& out, std::string_view text) {
    out += '"';
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    out += '"';
}

enum DumpDetail : unsigned {
    kDumpRecords = 0,
    kDumpExpanded = 1,
};

inline void appendDumpLine(std::string& out, const MenuTree& tree, NodeHandle node, int depth, unsigned detail) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += nodeKindName(tree.getKind(node));
    out += ' ';
    appendEscaped(out, tree.caption(node));
    const MenuItemRecord* record = tree.getRecord(node);
    if (record != nullptr) {
        out += " p=" + std::to_string(record->platforms);
        out += " sc=" + std::to_string(record->shortcut);
        out += " fm=" + std::to_string(record->fmId);
        out += " en=" + std::to_string(record->enabled);
        out += " ck=" + std::to_string(record->checkOn);
        out += " lc=" + std::to_string(record->useLocalCaption);
        out += " script=";
        appendEscaped(out, recordText(record->scriptName));
        out += " user=";
        appendEscaped(out, recordText(record->userString));
    }
    if ((detail & kDumpExpanded) != 0 && tree.hasChildren(node)) {
        out += tree.isExpanded(node) ? " +" : " -";
    }
    out += '\n';
}

// Walks without recursion: loaded trees may be a hundred menus deep.
inline std::string dumpTree(const MenuTree& tree, unsigned detail = kDumpExpanded) {
    std::string out;
    NodeHandle node = tree.firstTopLevel();
    int depth = 0;
    while (node != kNoNode) {
        appendDumpLine(out, tree, node, depth, detail);
        if (tree.firstChild(node) != kNoNode) {
            node = tree.firstChild(node);
            ++depth;
            continue;
        }
        while (node != kNoNode && tree.nextSibling(node) == kNoNode) {
            const NodeHandle up = tree.parent(node);
            node = up == kRootNode ? kNoNode : up;
            --depth;
        }
        if (node != kNoNode) {
            node = tree.nextSibling(node);
        }
    }
    return out;
}

}  // namespace tessary::codetree_test
