// The FileMaker link against the stand-in: the plug-in's two requests with the
// editor's messages, bad answers, and FileMaker's document windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "fmlink/filemaker_windows.h"
#include "fmlink/plugin_link.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/plugin_prompts.h"
#include "support/dialog_driver.h"
#include "support/fm_standin.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::FmStandIn;

std::string allNames(PluginAnswer& answer) {
    std::string out;
    char name[256] = {};
    while (answer.nextName(name, sizeof name)) {
        out += std::string(name) + "|";
    }
    return out;
}

TEST(FileMakerLink, ReadsScriptsAndOpenDocumentsAndFindsDocumentWindows) {
    FmStandIn fm("Print\nExport \xE9t\xE9\n", "Orders\nInvoices\n", "--app-class FMPRO5APP");
    ASSERT_TRUE(fm.ready());
    DialogDriver driver;
    MessageBoxPluginPrompts prompts(nullptr);
    PluginLink link(prompts);
    ASSERT_TRUE(link.requestScripts());
    EXPECT_EQ(allNames(link.scripts()), "Print|Export \xE9t\xE9|");
    ASSERT_TRUE(link.requestOpenDocuments());
    EXPECT_EQ(allNames(link.openDocuments()), "Orders|Invoices|");
    EXPECT_EQ(driver.dialogsSeen(), 0);

    HWND application = findFileMakerWindow();
    ASSERT_EQ(application, fm.application());
    HWND orders = findDocumentWindow(application, "ORDERS backup");
    ASSERT_NE(orders, nullptr);
    EXPECT_EQ(DialogDriver::windowText(orders), "Orders");
    EXPECT_EQ(findDocumentWindow(application, "Ord"), nullptr);
    EXPECT_NE(waitForDocumentWindow("invoices", 1), nullptr);
    EXPECT_EQ(waitForDocumentWindow("Customers", 1), nullptr);
}

TEST(FileMakerLink, WithoutAPlugInScriptsAreRefusedWithAMessageAndDocumentsSilently) {
    DialogDriver driver;
    std::string text;
    driver.answerMessageBox(IDOK, &text);
    MessageBoxPluginPrompts prompts(nullptr);
    PluginLink link(prompts);
    EXPECT_FALSE(link.requestScripts());
    EXPECT_EQ(text, loadString(IDS_NO_PLUGIN_LINK));
    EXPECT_FALSE(link.requestOpenDocuments());
    EXPECT_EQ(driver.dialogsSeen(), 1);
    EXPECT_EQ(findFileMakerWindow(), nullptr);
}

TEST(FileMakerLink, TwoFileMakersAskUntilCancelThenGrabber7Answers) {
    FmStandIn six("Six\n", "", "--grabber 6");
    FmStandIn seven("Seven\n", "");
    ASSERT_TRUE(six.ready() && seven.ready());
    DialogDriver driver;
    std::string first;
    std::string caption;
    driver.answerMessageBox(IDRETRY, &first, &caption);
    driver.answerMessageBox(IDCANCEL);
    MessageBoxPluginPrompts prompts(nullptr);
    PluginLink link(prompts);
    ASSERT_TRUE(link.requestScripts());
    EXPECT_EQ(first, "More then one FileMaker is currently opened. Please close one FileMaker and try again.");
    EXPECT_EQ(caption, "Quorix Tessary");
    EXPECT_EQ(driver.dialogsSeen(), 2);
    EXPECT_EQ(allNames(link.scripts()), "Seven|");
}

TEST(FileMakerLink, BadAnswersGiveAnEmptyListOrAMessageNeverAHang) {
    // A list longer than the answer buffer: what fits, without the cut name.
    std::string many;
    for (int i = 0; many.size() < kPluginAnswerSize + 5000; ++i) {
        many += "Script number " + std::to_string(i) + "\n";
    }
    PluginAnswer answer;
    {
        FmStandIn fm(many, "");
        ASSERT_TRUE(fm.ready());
        ASSERT_TRUE(askPluginWindow(fm.plugin(), PluginRequest::Scripts, answer));
        EXPECT_EQ(answer.text(), many.substr(0, answer.text().size()));
        EXPECT_GT(answer.text().size(), kPluginAnswerSize - 30);
        // An empty answer is an empty list.
        fm.setScripts("");
        ASSERT_TRUE(askPluginWindow(fm.plugin(), PluginRequest::Scripts, answer));
        EXPECT_EQ(allNames(answer), "");
    }
    // A window that vanished before it was asked.
    HWND gone = nullptr;
    {
        FmStandIn fm("A\n", "");
        gone = fm.plugin();
    }
    EXPECT_FALSE(askPluginWindow(gone, PluginRequest::Scripts, answer));

    // A plug-in that never answers: the request ends after its time limit with message 352.
    FmStandIn silent("A\n", "", "--silent");
    ASSERT_TRUE(silent.ready());
    DialogDriver driver;
    std::string text;
    driver.answerMessageBox(IDOK, &text);
    MessageBoxPluginPrompts prompts(nullptr);
    PluginLink link(prompts, 500);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(link.requestScripts());
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(text, loadString(IDS_FILEMAKER_NOT_RESPONDING));
    EXPECT_EQ(allNames(link.scripts()), "");
}

}  // namespace
}  // namespace tessary
