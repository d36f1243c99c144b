#include <gtest/gtest.h>

#include <optional>

#include "documents/recent_files.h"
#include "documents/settings_store.h"

namespace tessary {
namespace {

TEST(Settings, DefaultsApplyToMissingValues) {
    struct Case {
        std::optional<uint32_t> stored;
        bool wizard;
        bool hint;
        int useFm;
    } cases[] = {
        {std::nullopt, true, true, 7},
        {0u, false, false, 7},
        {1u, true, true, 6},
        {6u, true, true, 6},
        {7u, true, true, 7},
        {0xFFFFFFFFu, true, true, 6},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        if (c.stored) {
            for (const char* name : {kSettingWizard, kSettingShowHint, kSettingUseFm}) {
                store.writeSetting(name, *c.stored);
            }
        }
        uint32_t stored = c.stored.value_or(12345);
        EXPECT_EQ(readWizardSetting(store), c.wizard) << stored;
        EXPECT_EQ(readShowHintSetting(store), c.hint) << stored;
        EXPECT_EQ(static_cast<int>(readUseFmSetting(store)), c.useFm) << stored;
    }
}

TEST(Settings, OtherValuesFallBackOnlyWhenMissing) {
    MemorySettingsStore store;
    EXPECT_EQ(readSettingOr(store, kSettingChooseFmVersion, 0), 0u);
    store.writeSetting(kSettingChooseFmVersion, 3);
    store.writeSetting(kSettingChooseFmMode, 0);
    EXPECT_EQ(readSettingOr(store, kSettingChooseFmVersion, 0), 3u);
    EXPECT_EQ(readSettingOr(store, kSettingChooseFmMode, 9), 0u);
    writeFlagSetting(store, kSettingWizard, true);
    writeFlagSetting(store, kSettingShowHint, false);
    EXPECT_EQ(store.settings[kSettingWizard], 1u);
    EXPECT_EQ(store.settings[kSettingShowHint], 0u);
}

std::string joined(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += (text.empty() ? "" : ",") + entry;
    }
    return text;
}

TEST(RecentFiles, MostRecentFirstAtMostFourDistinct) {
    struct Case {
        const char* before;
        const char* path;
        const char* after;
    } cases[] = {
        {"", "A", "A"},
        {"A", "B", "B,A"},
        {"B,A", "A", "A,B"},
        {"A,B,C,D", "E", "E,A,B,C"},
        {"A,B,C,D", "B", "B,A,C,D"},
        {"A,B,C,D", "D", "D,A,B,C"},
        {"A,B,C,D", "A", "A,B,C,D"},
        {"A,B", "a", "a,A,B"},
        // A stored list that repeats a path lists it once.
        {"A,A,B,A", "C", "C,A,B"},
        {"A,B,A,B", "B", "B,A"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        std::string before = c.before;
        for (int i = 0; !before.empty(); ++i) {
            size_t comma = before.find(',');
            store.writeRecentFile(i, before.substr(0, comma));
            before = comma == std::string::npos ? "" : before.substr(comma + 1);
        }
        addRecentFile(store, c.path);
        EXPECT_EQ(joined(readRecentFiles(store)), c.after) << c.before << " + " << c.path;
        // All four slots are written; those without an entry hold an empty string.
        EXPECT_EQ(store.recentFiles.size(), 4u);
    }
}

TEST(RecentFiles, ListEndsAtTheFirstMissingOrEmptyValue) {
    MemorySettingsStore store;
    store.writeRecentFile(0, "A");
    store.writeRecentFile(1, "");
    store.writeRecentFile(2, "C");
    EXPECT_EQ(joined(readRecentFiles(store)), "A");
    store.recentFiles.erase(1);
    EXPECT_EQ(joined(readRecentFiles(store)), "A");
    // A new path after such a gap drops what lay beyond it.
    addRecentFile(store, "B");
    EXPECT_EQ(joined(readRecentFiles(store)), "B,A");
}

TEST(RecentFiles, RemovingAnEntryKeepsTheOthersInOrder) {
    MemorySettingsStore store;
    for (const char* path : {"D", "C", "B", "A"}) {
        addRecentFile(store, path);
    }
    EXPECT_FALSE(removeRecentFile(store, "X"));
    EXPECT_EQ(joined(readRecentFiles(store)), "A,B,C,D");
    EXPECT_TRUE(removeRecentFile(store, "B"));
    EXPECT_EQ(joined(readRecentFiles(store)), "A,C,D");
    EXPECT_EQ(store.recentFiles.size(), 3u);
    EXPECT_TRUE(removeRecentFile(store, "A"));
    EXPECT_TRUE(removeRecentFile(store, "C"));
    EXPECT_TRUE(removeRecentFile(store, "D"));
    EXPECT_TRUE(store.recentFiles.empty());
}

TEST(RecentFiles, PathsThatCannotBeStoredAreIgnored) {
    MemorySettingsStore store;
    addRecentFile(store, "A");
    addRecentFile(store, "");
    addRecentFile(store, std::string(260, 'x'));
    EXPECT_EQ(joined(readRecentFiles(store)), "A");
    addRecentFile(store, std::string(259, 'y'));
    EXPECT_EQ(readRecentFiles(store).size(), 2u);
}

TEST(RecentFiles, MenuTextNumbersFromOneAndShowsTheFileName) {
    EXPECT_EQ(recentMenuText(0, "C:\\Menus\\Orders.tsmn"), "&1 Orders.tsmn");
    EXPECT_EQ(recentMenuText(3, "Orders.tsmn"), "&4 Orders.tsmn");
    EXPECT_EQ(recentMenuText(1, "C:\\Menus\\"), "&2 ");
}

}  // namespace
}  // namespace tessary
