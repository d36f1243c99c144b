#include "editor/command_enabling.h"

#include <gtest/gtest.h>

#include <string>

namespace tessary {
namespace {

// One row per situation of the enabling table: the state of every rule, in the
// order TreeTab, TreeItem, TreeSelection, TreeMovable, Paste, CodeTab, Undo, Redo ('1' on).
struct Row {
    const char* situation;
    EnablingContext context;
    const char* states;
};

std::string statesOf(const EnablingContext& context) {
    std::string out;
    for (Enabling rule : {Enabling::TreeTab, Enabling::TreeItem, Enabling::TreeSelection, Enabling::TreeMovable,
                          Enabling::Paste, Enabling::CodeTab, Enabling::Undo, Enabling::Redo}) {
        out += isEnabled(rule, context) ? '1' : '0';
    }
    return out;
}

TEST(CommandEnabling, FollowsTheTabTheSelectionAndTheMenuKind) {
    using K = NodeKind;
    const EditorTab tree = EditorTab::MenuTree;
    const EditorTab code = EditorTab::MenuCode;
    const Row rows[] = {
        {"code tab", {code, K::Menu, MenuKind::MainMenu, true}, "00001110"},
        {"code tab, steps to undo and redo", {code, K::None, MenuKind::ContextMenu, false, true, true}, "00001110"},
        {"script item selected", {tree, K::ScriptItem, MenuKind::MainMenu, false}, "11110000"},
        {"script item, clipboard, a step to undo", {tree, K::ScriptItem, MenuKind::MainMenu, true, true}, "11111010"},
        {"application menu, a step to redo", {tree, K::AppMenu, MenuKind::MainMenu, false, false, true}, "11100001"},
        {"Mac quit item", {tree, K::MacQuitItem, MenuKind::MainMenu, false}, "11100000"},
        {"Mac preferences item", {tree, K::MacPreferencesItem, MenuKind::MainMenu, true}, "11101000"},
        {"menu bar, nothing selected", {tree, K::None, MenuKind::MainMenu, false}, "10000000"},
        {"context menu, nothing selected", {tree, K::None, MenuKind::ContextMenu, true}, "11001000"},
        {"pop-up menu, nothing selected", {tree, K::None, MenuKind::PopupMenu, false}, "11000000"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(statesOf(row.context), row.states) << row.situation;
        EXPECT_TRUE(isEnabled(Enabling::Always, row.context)) << row.situation;
    }
}

TEST(CaptionEditing, AnEmptyCaptionChangesNothingAndAQuoteIsRefused) {
    EXPECT_EQ(typedCaption(""), TypedCaption::Unchanged);
    EXPECT_EQ(typedCaption("Say \"hi\""), TypedCaption::Refused);
    EXPECT_EQ(typedCaption(" "), TypedCaption::Taken);
    EXPECT_EQ(typedCaption("\xC4pfel"), TypedCaption::Taken);
}

}  // namespace
}  // namespace tessary
