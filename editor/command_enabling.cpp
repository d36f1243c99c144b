#include "editor/command_enabling.h"

#include "editor/item_dialog_rules.h"

namespace tessary {
namespace {

// The application menu comes first and the Mac items last: they keep their places.
bool isFixedInPlace(NodeKind kind) {
    return kind == NodeKind::AppMenu || kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem;
}

}  // namespace

bool isEnabled(Enabling rule, const EnablingContext& context) {
    const bool tree = context.tab == EditorTab::MenuTree;
    const bool selected = context.selectedKind != NodeKind::None;
    switch (rule) {
        case Enabling::Always:
            return true;
        case Enabling::TreeTab:
            return tree;
        case Enabling::TreeItem:
            // Without a selection new items go to the top level, where a menu bar takes only menus.
            return tree && (selected || context.menuKind != MenuKind::MainMenu);
        case Enabling::TreeSelection:
            return tree && selected;
        case Enabling::TreeMovable:
            return tree && selected && !isFixedInPlace(context.selectedKind);
        case Enabling::Paste:
            return !tree || context.clipboardHoldsNode;
        case Enabling::CodeTab:
            return !tree;
        case Enabling::Undo:
            return !tree || context.canUndo;
        case Enabling::Redo:
            return tree && context.canRedo;
    }
    return true;
}

bool captionEditAllowed(NodeKind kind, bool useLocalCaption) {
    return isValidNodeKind(kind) && kind != NodeKind::AppMenu && !useLocalCaption;
}

TypedCaption typedCaption(std::string_view text) {
    if (text.empty()) {
        return TypedCaption::Unchanged;
    }
    return fitsMenuCode(text) ? TypedCaption::Taken : TypedCaption::Refused;
}

}  // namespace tessary
