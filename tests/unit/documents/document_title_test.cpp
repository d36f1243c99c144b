#include "documents/document_title.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(DocumentTitle, MarksUnsavedChangesAndNamesTheKind) {
    struct Case {
        const char* name;
        bool modified;
        int kind;
        const char* title;
    } cases[] = {
        {"Untitled Menu Project", false, 0, "Tessary - Untitled Menu Project  (Main Menu)"},
        {"Untitled Menu Project", true, 0, "Tessary - Untitled Menu Project* (Main Menu)"},
        {"Orders.tsmn", false, 1, "Tessary - Orders.tsmn  (Context Menu)"},
        {"Pick.tsmn", true, 2, "Tessary - Pick.tsmn* (Pop-Up Menu)"},
        {"", false, 0, "Tessary -   (Main Menu)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatTitle(c.name, c.modified, c.kind), c.title) << c.name;
    }
}

TEST(DocumentTitle, UnknownKindFallsBackToMainMenu) {
    EXPECT_STREQ(menuKindName(7), "Main Menu");
    EXPECT_STREQ(menuKindName(-1), "Main Menu");
}

}  // namespace
}  // namespace tessary
