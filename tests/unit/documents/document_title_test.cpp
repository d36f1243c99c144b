#include "documents/document_title.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(DocumentTitle, MarksUnsavedChangesAndNamesTheKind) {
    struct Case {
        const char* name;
        bool modified;
        MenuKind kind;
        const char* title;
    } cases[] = {
        {"Untitled Menu Project", false, MenuKind::MainMenu, "Tessary - Untitled Menu Project  (Main Menu)"},
        {"Untitled Menu Project", true, MenuKind::MainMenu, "Tessary - Untitled Menu Project* (Main Menu)"},
        {"Orders.tsmn", false, MenuKind::ContextMenu, "Tessary - Orders.tsmn  (Context Menu)"},
        {"Pick.tsmn", true, MenuKind::PopupMenu, "Tessary - Pick.tsmn* (Pop-Up Menu)"},
        {"", false, MenuKind::MainMenu, "Tessary -   (Main Menu)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatTitle(c.name, c.modified, c.kind), c.title) << c.name;
    }
}

TEST(DocumentTitle, UnknownKindFallsBackToMainMenu) {
    EXPECT_STREQ(menuKindName(static_cast<MenuKind>(7)), "Main Menu");
    EXPECT_STREQ(menuKindName(static_cast<MenuKind>(-1)), "Main Menu");
}

}  // namespace
}  // namespace tessary
