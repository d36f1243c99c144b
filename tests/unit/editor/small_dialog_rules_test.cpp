#include <gtest/gtest.h>

#include <string>

#include "editor/small_dialog_rules.h"
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
    constexpr FileMakerGeneration kFm6 = FileMakerGeneration::FileMaker5To6;
    constexpr FileMakerGeneration kFm7 = FileMakerGeneration::FileMaker7AndLater;
    RecordingStore store;
    PreferencesFields missing = readPreferences(store);
    EXPECT_TRUE(missing.showWizardOnStart);
    EXPECT_TRUE(missing.showHintOnCopy);
    EXPECT_EQ(missing.fileMaker, kFm7);

    store.settings["UseFM"] = 6;
    store.settings["ShowHint"] = 0;
    EXPECT_FALSE(readPreferences(store).showHintOnCopy);
    EXPECT_EQ(readPreferences(store).fileMaker, kFm6);
    writePreferences(store, {false, true, kFm6});
    writePreferences(store, {true, false, kFm7});
    EXPECT_EQ(store.writes, "UseFM=6;Wizard=0;ShowHint=1;UseFM=7;Wizard=1;ShowHint=0;");
}

TEST(CopyHintRules, DoNotShowAgainTurnsTheHintOffAndNothingElseWrites) {
    RecordingStore store;
    EXPECT_TRUE(copyHintShows(store));
    CopyHintFields field = copyHintFieldsFor(store, false);
    EXPECT_EQ(field.messageId, static_cast<unsigned>(IDS_HINT_PASTE_FIELD));
    EXPECT_FALSE(field.doNotShowAgain);
    // The hint after Copy String Code names the generation the calculation is for.
    EXPECT_EQ(copyHintFieldsFor(store, true).messageId, static_cast<unsigned>(IDS_HINT_PASTE_CALCULATION));
    store.settings["UseFM"] = 6;
    EXPECT_EQ(copyHintFieldsFor(store, true).messageId, static_cast<unsigned>(IDS_HINT_PASTE_CALCULATION_FM6));
    EXPECT_EQ(copyHintFieldsFor(store, false).messageId, static_cast<unsigned>(IDS_HINT_PASTE_FIELD));

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
