#include "editor/wizard_flow.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/document_fakes.h"

namespace tessary {
namespace {

constexpr const char* kTemplates = "C:\\Tessary\\Templates\\";
constexpr const char* kStandard = "C:\\Tessary\\Templates\\FileMaker Menus\\";

using Focus = WizardFocus;
using Button = WizardButton;

class WizardFlowTest : public ::testing::Test {
protected:
    WizardFlowTest()
        : flow(files, settings, [this] {
              ++requests;
              return openDocuments;
          }) {}

    // Ready-made files, a recent file and two open FileMaker documents.
    void fill() {
        for (const char* name : {"Pro 9,Browse", "pro 10,Find", "Pro 9,Find"}) {
            files.add(std::string(kStandard) + name + ".qxtf", "");
        }
        for (const char* name : {"Reports", "Kiosk"}) {
            files.add(std::string(kTemplates) + name + ".qxtf", "");
        }
        settings.recentFiles[0] = "C:\\Menus\\Shop.tsmb";
        openDocuments = {"Orders", "Invoices"};
    }

    // Welcome, the task chosen, "Next >".
    void startTask(WizardTask task) {
        flow.open();
        flow.chooseTask(static_cast<int>(task));
        ASSERT_EQ(flow.next(), WizardStep::ShowPage);
    }

    std::string buttons() const {
        return std::string(flow.backEnabled() ? "back" : "-") + "," + (flow.nextEnabled() ? "next" : "-");
    }

    test::FakeFiles files;
    MemorySettingsStore settings;
    std::vector<std::string> openDocuments;
    int requests = 0;
    WizardFlow flow;
};

TEST_F(WizardFlowTest, EachTaskPageEnablesNextByWhatItHoldsAndBackReturnsToWelcome) {
    struct Case {
        bool filled;
        WizardTask task;
        WizardPage page;
        const char* buttons;
    } cases[] = {
        {true, WizardTask::AdaptMenu, WizardPage::AdaptMenu, "back,next"},
        {true, WizardTask::ImportScripts, WizardPage::ImportScripts, "back,-"},
        {true, WizardTask::Template, WizardPage::Template, "back,next"},
        {true, WizardTask::OpenFile, WizardPage::OpenFile, "back,next"},
        {false, WizardTask::AdaptMenu, WizardPage::AdaptMenu, "back,-"},  // no versions
        {false, WizardTask::Template, WizardPage::Template, "back,-"},    // no templates
        {false, WizardTask::OpenFile, WizardPage::OpenFile, "back,-"},    // no recent file
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.task) * 10 + c.filled);
        if (c.filled) {
            fill();
        }
        flow.open();
        EXPECT_EQ(buttons(), "-,-");
        EXPECT_EQ(flow.next(), WizardStep::Stay);
        flow.chooseTask(static_cast<int>(c.task));
        EXPECT_EQ(buttons(), "-,next");
        ASSERT_EQ(flow.next(), WizardStep::ShowPage);
        EXPECT_EQ(flow.page(), c.page);
        EXPECT_EQ(buttons(), c.buttons);
        flow.back();
        EXPECT_EQ(flow.page(), WizardPage::Welcome);
        EXPECT_EQ(buttons(), "-,next");
        files = {};
        settings = {};
    }
    // The field decides: an emptied one disables "Next >".
    fill();
    startTask(WizardTask::OpenFile);
    flow.setOpenPath("");
    EXPECT_EQ(buttons(), "back,-");
    EXPECT_EQ(flow.next(), WizardStep::Stay);
}

TEST_F(WizardFlowTest, ImportScriptsLeadsToMenuTypeAndBackRefreshesTheList) {
    fill();
    startTask(WizardTask::ImportScripts);
    EXPECT_EQ(flow.documents(), openDocuments);
    flow.selectDocument(1);
    EXPECT_EQ(buttons(), "back,next");
    flow.selectDocument(-1);
    EXPECT_EQ(buttons(), "back,-");
    flow.selectDocument(0);
    ASSERT_EQ(flow.next(), WizardStep::ShowPage);
    EXPECT_EQ(flow.page(), WizardPage::MenuType);
    EXPECT_EQ(flow.menuKindChoice(), 0);  // "Main Menu"
    EXPECT_EQ(buttons(), "back,next");

    openDocuments = {"Customers"};
    flow.back();
    EXPECT_EQ(flow.page(), WizardPage::ImportScripts);
    EXPECT_EQ(requests, 2);
    EXPECT_EQ(flow.documents(), openDocuments);
    EXPECT_EQ(flow.documentIndex(), -1);
    EXPECT_EQ(buttons(), "back,-");

    // A chosen file keeps "Next >" enabled without a selection, and wins over one.
    flow.chooseFileMakerFile("C:\\Data\\Sales.fp7");
    flow.selectDocument(0);
    flow.selectDocument(-1);
    EXPECT_EQ(buttons(), "back,next");
    flow.selectDocument(0);
    ASSERT_EQ(flow.next(), WizardStep::ShowPage);
    flow.chooseMenuKind(2);
    EXPECT_EQ(flow.next(), WizardStep::ScriptsMenu);
    EXPECT_EQ(flow.scriptsMenuKind(), MenuKind::PopupMenu);
    EXPECT_EQ(flow.fileMakerPath(), "C:\\Data\\Sales.fp7");
    flow.back();
    EXPECT_EQ(buttons(), "back,next");  // the path is still there
}

TEST_F(WizardFlowTest, TabMovesTheChoiceAndPastTheLastClearsItThenCyclesTheButtons) {
    flow.open();
    Focus focus = flow.tab(Focus::onButton(Button::Skip));  // "< Back" is disabled: into the page
    for (int choice = 0; choice < 4; ++choice) {
        EXPECT_EQ(focus, Focus::onControl(choice));
        EXPECT_EQ(flow.task(), choice);
        EXPECT_TRUE(flow.nextEnabled());
        focus = flow.tab(focus);
    }
    EXPECT_EQ(flow.task(), -1);
    EXPECT_FALSE(flow.nextEnabled());
    EXPECT_EQ(focus, Focus::onButton(Button::Cancel));
    focus = flow.tab(focus);
    EXPECT_EQ(focus, Focus::onButton(Button::Skip));
    EXPECT_EQ(flow.tab(focus), Focus::onControl(0));

    fill();
    startTask(WizardTask::AdaptMenu);
    EXPECT_EQ(flow.tab(Focus::onButton(Button::Skip)), Focus::onButton(Button::Back));
    focus = flow.tab(Focus::onButton(Button::Back));
    EXPECT_EQ(focus, Focus::onControl(0));
    for (bool find : {false, true}) {
        focus = flow.tab(focus);
        EXPECT_EQ(flow.findMode(), find);
    }
    EXPECT_EQ(flow.tab(focus), Focus::onButton(Button::Next));
    EXPECT_EQ(flow.tab(Focus::onButton(Button::Next)), Focus::onButton(Button::Cancel));
    startTask(WizardTask::Template);
    EXPECT_EQ(flow.tab(Focus::onControl(0)), Focus::onButton(Button::Next));
}

TEST_F(WizardFlowTest, AdaptMenuRemembersVersionAndModeAndSkipAlwaysTurnsTheWizardOff) {
    fill();
    settings.settings[kSettingChooseFmVersion] = 1;
    startTask(WizardTask::AdaptMenu);
    EXPECT_EQ(flow.versions(), (std::vector<std::string>{"pro 10", "Pro 9"}));
    EXPECT_EQ(flow.standardVersion(), "Pro 9");
    EXPECT_FALSE(flow.findMode());
    flow.chooseVersion(0);
    flow.chooseMode(true);
    EXPECT_EQ(flow.next(), WizardStep::AdaptMenu);
    EXPECT_EQ(flow.standardMode(), "Find");
    EXPECT_EQ(settings.settings[kSettingChooseFmVersion], 0u);
    EXPECT_EQ(settings.settings[kSettingChooseFmMode], 1u);
    flow.open();
    EXPECT_EQ(flow.standardVersion(), "pro 10");
    EXPECT_TRUE(flow.findMode());

    settings.settings[kSettingChooseFmVersion] = 2;  // beyond the list: none chosen
    startTask(WizardTask::AdaptMenu);
    EXPECT_EQ(buttons(), "back,-");
    EXPECT_EQ(flow.next(), WizardStep::Stay);

    EXPECT_FALSE(flow.skip(SkipAnswer::Cancel));
    EXPECT_TRUE(flow.skip(SkipAnswer::ThisTime));
    EXPECT_EQ(settings.settings.count(kSettingWizard), 0u);
    EXPECT_TRUE(flow.skip(SkipAnswer::Always));
    EXPECT_EQ(settings.settings[kSettingWizard], 0u);
}

}  // namespace
}  // namespace tessary
