#include "editor/command_enabling.h"

#include <gtest/gtest.h>

#include <string>

namespace tessary {
namespace {

// One row per situation of the enabling table: the state of every rule, in the
// order TreeTab, TreeItem, TreeSelection, TreeMovable, Paste, CodeTab ('1' on).
struct Row {
    const char* situation;
    EnablingContext context;
    const char* states;
};

std::string statesOf(const EnablingContext& context) {
    std::string out;
    for (Enabling rule : {Enabling::TreeTab, Enabling::TreeItem, Enabling::TreeSelection, Enabling::TreeMovable,
                          Enabling::Paste, Enabling::CodeTab}) {
        out += isEnabled(rule, context) ? '1' : '0';
    }
    return out;
}

TEST(CommandEnabling, FollowsTheTabTheSelectionAndTheMenuKind) {
    using K = NodeKind;
    const EditorTab tree = EditorTab::MenuTree;
    const EditorTab code = EditorTab::MenuCode;
    const Row rows[] = {
        {"code tab", {code, K::Menu, MenuKind::MainMenu, true}, "000011"},
        {"code tab, empty clipboard", {code, K::None, MenuKind::ContextMenu, false}, "000011"},
        {"script item selected", {tree, K::ScriptItem, MenuKind::MainMenu, false}, "111100"},
        {"script item, clipboard", {tree, K::ScriptItem, MenuKind::MainMenu, true}, "111110"},
        {"application menu", {tree, K::AppMenu, MenuKind::MainMenu, false}, "111000"},
        {"Mac quit item", {tree, K::MacQuitItem, MenuKind::MainMenu, false}, "111000"},
        {"Mac preferences item", {tree, K::MacPreferencesItem, MenuKind::MainMenu, true}, "111010"},
        {"menu bar, nothing selected", {tree, K::None, MenuKind::MainMenu, false}, "100000"},
        {"context menu, nothing selected", {tree, K::None, MenuKind::ContextMenu, true}, "110010"},
        {"pop-up menu, nothing selected", {tree, K::None, MenuKind::PopupMenu, false}, "110000"},
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
