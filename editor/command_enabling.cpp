#include "editor/command_enabling.h"

namespace tessary {
namespace {

constexpr unsigned kAddMenu = 32784;
constexpr unsigned kAddScript = 32785;
constexpr unsigned kAddSeparator = 32787;
constexpr unsigned kAddFmItem = 32799;
constexpr unsigned kProperties = 32788;
constexpr unsigned kDelete = 32789;
constexpr unsigned kMoveUp = 32790;
constexpr unsigned kMoveDown = 32801;
constexpr unsigned kPaste = 57637;
constexpr unsigned kCheckSyntax = 32791;
constexpr unsigned kUndo = 57643;
constexpr unsigned kSelectAll = 32781;

bool isFixedInPlace(NodeKind kind) {
    return kind == NodeKind::AppMenu || kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem;
}

}  // namespace

bool captionEditAllowed(NodeKind kind, bool useLocalCaption) {
    return isValidNodeKind(kind) && kind != NodeKind::AppMenu && !useLocalCaption;
}

std::vector<CommandState> commandEnabling(const EnablingContext& context) {
    if (context.tab == EditorTab::MenuCode) {
        // The code tab edits text: the tree commands rest, the text commands work.
        return {{kAddMenu, false},   {kAddScript, false}, {kAddSeparator, false}, {kAddFmItem, false},
                {kProperties, false}, {kDelete, false},   {kMoveUp, false},       {kMoveDown, false},
                {kPaste, true},       {kCheckSyntax, true}, {kUndo, true},        {kSelectAll, true}};
    }
    const bool selected = context.selectedKind != NodeKind::None;
    // Without a selection new items go to the top level, where a menu bar takes only menus.
    const bool itemsAllowed = selected || context.menuKind != MenuKind::MainMenu;
    const bool movable = selected && !isFixedInPlace(context.selectedKind);
    return {{kAddMenu, true},
            {kAddScript, itemsAllowed},
            {kAddSeparator, itemsAllowed},
            {kAddFmItem, true},
            {kProperties, selected},
            {kDelete, selected},
            {kMoveUp, movable},
            {kMoveDown, movable},
            {kPaste, context.clipboardHoldsNode},
            {kCheckSyntax, false},
            {kUndo, false},
            {kSelectAll, false}};
}

}  // namespace tessary
