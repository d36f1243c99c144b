#include <gtest/gtest.h>

#include <string>

#include "editor/copy_hint_rules.h"
#include "editor/new_menu_rules.h"
#include "editor/preferences_rules.h"
#include "resources/resource.h"

namespace tessary {
namespace {

// Remembers the order of the writes as "name=value;".
class RecordingStore : public MemorySettingsStore {
public:
    void writeSetting(std::string_view name, uint32_t value) override {
        writes += std::string(name) + "=" + std::to_string(value) + ";";
        MemorySettingsStore::writeSetting(name, value);
    }
    std::string writes;
};

TEST(NewMenuRules, OpensOnTheCurrentKindAndOkTakesTheFirstTickedButton) {
    for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        EXPECT_EQ(newMenuKindOf(newMenuButtonsFor(kind)), kind);
    }
    NewMenuButtons popup = newMenuButtonsFor(MenuKind::PopupMenu);
    EXPECT_FALSE(popup.mainMenu || popup.contextMenu);
    EXPECT_EQ(newMenuKindOf({false, true, true}), MenuKind::ContextMenu);
    EXPECT_EQ(newMenuKindOf({true, false, true}), MenuKind::MainMenu);
}

TEST(PreferencesRules, ShowTheSettingsAndWriteAllThreeInOrder) {
    RecordingStore store;
    PreferencesFields missing = readPreferences(store);
    EXPECT_TRUE(missing.showWizardOnStart);
    EXPECT_TRUE(missing.showHintOnCopy);

    store.settings["UseFM"] = 6;
    store.settings["ShowHint"] = 0;
    EXPECT_FALSE(readPreferences(store).showHintOnCopy);
    writePreferences(store, {false, true});
    EXPECT_EQ(store.writes, "UseFM=0;Wizard=0;ShowHint=1;");
    EXPECT_EQ(readUseFmSetting(store), 7);  // 0 reads back as the newest generation
}

TEST(CopyHintRules, DoNotShowAgainTurnsTheHintOffAndNothingElseWrites) {
    RecordingStore store;
    EXPECT_TRUE(copyHintShows(store));
    CopyHintFields field = copyHintFieldsFor(store, false);
    EXPECT_EQ(field.messageId, static_cast<unsigned>(IDS_HINT_PASTE_FIELD));
    EXPECT_FALSE(field.doNotShowAgain);
    EXPECT_EQ(copyHintFieldsFor(store, true).messageId, static_cast<unsigned>(IDS_HINT_PASTE_CALCULATION));

    acceptCopyHint(store, field);
    EXPECT_EQ(store.writes, "");
    field.doNotShowAgain = true;
    acceptCopyHint(store, field);
    EXPECT_EQ(store.writes, "ShowHint=0;");
    EXPECT_FALSE(copyHintShows(store));
    EXPECT_TRUE(copyHintFieldsFor(store, false).doNotShowAgain);
}

}  // namespace
}  // namespace tessary
