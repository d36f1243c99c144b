#include "editor/command_hints.h"

namespace tessary {
namespace {

struct Hint {
    unsigned command;
    unsigned string;
};

constexpr Hint kHints[] = {
    {57600, 300}, {57601, 301}, {57603, 302}, {32775, 341}, {32776, 343}, {32781, 345}, {32782, 346},
    {32784, 311}, {32785, 312}, {32787, 314}, {32788, 315}, {32789, 316}, {32790, 322}, {32801, 323},
    {32791, 321}, {32792, 320}, {32793, 318}, {32800, 317}, {32795, 349}, {32796, 350}, {32797, 351},
    {32799, 313}, {32808, 337}, {32809, 338}, {32810, 339}, {32825, 347}, {32826, 348}, {32831, 342},
    {32832, 340}, {57643, 344},
};

// Cut, Copy and Paste speak of nodes in the tree and of text in the code.
struct TabHint {
    unsigned command;
    unsigned treeString;
    unsigned codeString;
};

constexpr TabHint kTabHints[] = {
    {57634, 327, 328},
    {57635, 329, 330},
    {57637, 331, 332},
};

}  // namespace

unsigned hintStringId(unsigned commandId, EditorTab tab) {
    for (const TabHint& hint : kTabHints) {
        if (hint.command == commandId) {
            return tab == EditorTab::MenuTree ? hint.treeString : hint.codeString;
        }
    }
    for (const Hint& hint : kHints) {
        if (hint.command == commandId) {
            return hint.string;
        }
    }
    return 0;
}

bool isRecentFileCommand(unsigned commandId) { return commandId >= 32817 && commandId <= 32820; }

}  // namespace tessary
