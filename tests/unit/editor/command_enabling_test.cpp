#include "editor/command_enabling.h"

#include <gtest/gtest.h>

#include <map>

namespace tessary {
namespace {

std::map<unsigned, bool> states(const EnablingContext& context) {
    std::map<unsigned, bool> result;
    for (const CommandState& state : commandEnabling(context)) {
        EXPECT_TRUE(result.emplace(state.commandId, state.enabled).second) << "listed twice: " << state.commandId;
    }
    return result;
}

TEST(CommandEnabling, CodeTabEnablesOnlyTheTextCommands) {
    EnablingContext context;
    context.tab = EditorTab::MenuCode;
    context.selectedKind = NodeKind::Menu;
    auto s = states(context);
    for (unsigned id : {32784u, 32785u, 32787u, 32799u, 32788u, 32789u, 32790u, 32801u}) {
        EXPECT_FALSE(s.at(id)) << id;
    }
    for (unsigned id : {57637u, 32791u, 57643u, 32781u}) {
        EXPECT_TRUE(s.at(id)) << id;
    }
}

TEST(CommandEnabling, TreeTabFollowsTheSelection) {
    EnablingContext context;
    context.selectedKind = NodeKind::ScriptItem;
    auto s = states(context);
    EXPECT_TRUE(s.at(32788));
    EXPECT_TRUE(s.at(32789));
    EXPECT_TRUE(s.at(32790));
    EXPECT_TRUE(s.at(32785));
    EXPECT_FALSE(s.at(57637));  // nothing cut or copied yet
    EXPECT_FALSE(s.at(32791));
    EXPECT_FALSE(s.at(32781));

    context.clipboardHoldsNode = true;
    EXPECT_TRUE(states(context).at(57637));
}

TEST(CommandEnabling, FixedNodesDoNotMove) {
    for (NodeKind kind : {NodeKind::AppMenu, NodeKind::MacQuitItem, NodeKind::MacPreferencesItem}) {
        EnablingContext context;
        context.selectedKind = kind;
        auto s = states(context);
        EXPECT_FALSE(s.at(32790)) << nodeKindName(kind);
        EXPECT_FALSE(s.at(32801)) << nodeKindName(kind);
        EXPECT_TRUE(s.at(32789)) << nodeKindName(kind);
    }
}

TEST(CommandEnabling, WithoutSelectionAMenuBarTakesOnlyMenus) {
    EnablingContext context;
    auto mainMenu = states(context);
    EXPECT_TRUE(mainMenu.at(32784));
    EXPECT_TRUE(mainMenu.at(32799));
    EXPECT_FALSE(mainMenu.at(32785));
    EXPECT_FALSE(mainMenu.at(32787));
    EXPECT_FALSE(mainMenu.at(32788));
    EXPECT_FALSE(mainMenu.at(32790));

    context.menuKind = MenuKind::ContextMenu;
    auto contextMenu = states(context);
    EXPECT_TRUE(contextMenu.at(32785));
    EXPECT_TRUE(contextMenu.at(32787));
}

TEST(CaptionEdit, RefusedForTheAppMenuAndLocalCaptions) {
    EXPECT_TRUE(captionEditAllowed(NodeKind::Menu, false));
    EXPECT_TRUE(captionEditAllowed(NodeKind::Separator, false));
    EXPECT_TRUE(captionEditAllowed(NodeKind::MacQuitItem, false));
    EXPECT_FALSE(captionEditAllowed(NodeKind::AppMenu, false));
    EXPECT_FALSE(captionEditAllowed(NodeKind::FmItem, true));
    EXPECT_FALSE(captionEditAllowed(NodeKind::Menu, true));
    EXPECT_FALSE(captionEditAllowed(NodeKind::None, false));
}

}  // namespace
}  // namespace tessary
