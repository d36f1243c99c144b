// The item dialogs and the FileMaker link under abuse: every text field
// filled with 10,000 characters, with bytes 0x80-0xFF and with double quotes;
// a plug-in that answers garbage or never answers. What is taken is kept
// exactly (cut to what a record holds), what menu code cannot hold is refused
// with its message, and the tree's code reads back to the same code.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "documents/document_files.h"
#include "fmlink/plugin_link.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/window_helpers.h"
#include "support/dialog_driver.h"
#include "support/fm_standin.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::FmStandIn;

// 10,000 characters running through every byte a field can hold but the quote.
std::string longText() {
    std::string text;
    for (int c = 0x20; text.size() < 10000; c = c == 0xFF ? 0x20 : c + 1) {
        if (c != '"') {
            text.push_back(static_cast<char>(c));
        }
    }
    return text;
}

std::string highBytes() {
    std::string text;
    for (int c = 0x80; c <= 0xFF; ++c) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

std::string fieldOf(const MenuTree& tree, NodeHandle node, int field) {
    char text[kMaxTextLength + 1] = {};
    if (field == IDC_SCRIPT_SCRIPT) {
        tree.getScriptName(node, text, sizeof text);
    } else if (field == IDC_ITEM_USER_STRING) {
        tree.getUserString(node, text, sizeof text);
    } else {
        return tree.caption(node);
    }
    return text;
}

// Equal texts; a difference is told by its place, not by printing the texts.
::testing::AssertionResult same(const std::string& actual, const std::string& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    return ::testing::AssertionFailure() << "lengths " << actual.size() << " and " << expected.size()
                                         << ", first difference at " << at;
}

// The code of the tree, and the code of that code read back into a new tree.
void expectCodeReadsBack(const MenuTree& tree) {
    std::string code;
    ASSERT_TRUE(generateDocumentCode(tree, MenuKind::MainMenu, code));
    MenuTree again;
    ASSERT_EQ(LoadCodeIntoTree(again, code, MenuKind::MainMenu), LoadResult::accepted()) << code;
    std::string codeAgain;
    ASSERT_TRUE(generateDocumentCode(again, MenuKind::MainMenu, codeAgain));
    EXPECT_TRUE(same(codeAgain, code));
}

class AbuseTest : public test::MainWindowFixture {};

TEST_F(AbuseTest, ItemDialogFieldsTakeLongAndHighByteTextsAndRefuseQuotes) {
    ASSERT_EQ(
        LoadCodeIntoTree(tree(), "FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"File\" )\r\n{\r\n}\r\n}\r\n", MenuKind::MainMenu),
        LoadResult::accepted());
    const NodeHandle file = tree().firstTopLevel();
    struct Field {
        UINT command;
        int field;
        UINT quoteMessage;
    } fields[] = {
        {ID_MENU_ADD_MENU, IDC_ITEM_NAME, IDS_QUOTE_IN_NAME},
        {ID_MENU_ADD_SCRIPT, IDC_ITEM_NAME, IDS_QUOTE_IN_NAME},
        {ID_MENU_ADD_SCRIPT, IDC_SCRIPT_SCRIPT, IDS_QUOTE_IN_SCRIPT},
        {ID_MENU_ADD_SCRIPT, IDC_ITEM_USER_STRING, IDS_QUOTE_IN_USER_STRING},
        {ID_MENU_ADD_FM_ITEM, IDC_ITEM_NAME, IDS_QUOTE_IN_NAME},
        {ID_MENU_ADD_FM_ITEM, IDC_ITEM_USER_STRING, IDS_QUOTE_IN_USER_STRING},
    };
    const std::string texts[] = {longText(), highBytes(), "Say \"hi\""};
    for (const Field& f : fields) {
        for (const std::string& text : texts) {
            const bool quoted = text.find('"') != std::string::npos;
            const size_t before = tree().childCount(file);
            tree().selectNode(file);
            DialogDriver driver;
            std::string shown;
            std::string message;
            driver.next([&](HWND dialog) {
                SetDlgItemTextA(dialog, IDC_ITEM_NAME, "Name");
                if (f.command == ID_MENU_ADD_SCRIPT) {
                    SetDlgItemTextA(dialog, IDC_SCRIPT_SCRIPT, "Script");
                } else if (f.command == ID_MENU_ADD_FM_ITEM) {
                    SetDlgItemTextA(dialog, IDC_FMITEM_KEYWORD, "FM_OPEN");
                    SendMessageA(GetDlgItem(dialog, IDC_ITEM_LOCAL_CAPTION), BM_CLICK, 0, 0);  // a name of its own
                }
                SetDlgItemTextA(dialog, f.field, text.c_str());
                shown = windowText(GetDlgItem(dialog, f.field));
                DialogDriver::press(dialog, IDOK);
                if (quoted) {
                    // Refused: the dialog stays open for the text to be mended, and is cancelled.
                    driver.later([&, dialog] { DialogDriver::press(dialog, IDCANCEL); });
                }
            });
            if (quoted) {
                driver.answerMessageBox(IDOK, &message);
            }
            command(f.command);
            const std::string what =
                std::to_string(f.command) + "/" + std::to_string(f.field) + "/" + std::to_string(text.size());
            EXPECT_EQ(driver.dialogsSeen(), quoted ? 2 : 1) << what;
            if (quoted) {
                EXPECT_EQ(message, loadString(f.quoteMessage)) << what;
                EXPECT_EQ(tree().childCount(file), before) << what;
                continue;
            }
            // The field showed every byte it was given; the record keeps what it holds.
            EXPECT_TRUE(same(shown, text)) << what;
            ASSERT_EQ(tree().childCount(file), before + 1) << what;
            EXPECT_TRUE(same(fieldOf(tree(), tree().lastChild(file), f.field), text.substr(0, kMaxTextLength))) << what;
        }
    }
    EXPECT_TRUE(tree().checkInvariants());
    expectCodeReadsBack(tree());
}

TEST_F(AbuseTest, SelectScriptListsWhatAGarbageAnswerHolds) {
    ASSERT_EQ(
        LoadCodeIntoTree(tree(), "FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"File\" )\r\n{\r\n}\r\n}\r\n", MenuKind::MainMenu),
        LoadResult::accepted());
    const NodeHandle file = tree().firstTopLevel();
    // Names of every byte, one too long to be a script name, one with a quote,
    // carriage returns and runs of empty lines; no line feed at the end.
    const std::string garbage =
        highBytes() + "\n" + std::string(10000, 'n') + "\nQuote\"d\n\n\n\r\nCR\ronly\r\n" + longText().substr(0, 200);
    FmStandIn fm(garbage, "");
    ASSERT_TRUE(fm.ready());

    struct Pick {
        std::string row;
        bool refused;
    } picks[] = {{highBytes(), false}, {"Quote\"d", true}, {"CR\ronly\r", false}};
    for (const Pick& pick : picks) {
        tree().selectNode(file);
        DialogDriver driver;
        std::string rows;
        std::string message;
        HWND properties = nullptr;
        driver.next([&](HWND dialog) {
            properties = dialog;
            DialogDriver::press(dialog, IDC_SCRIPT_CHOOSE);
        });
        driver.next([&](HWND chooser) {
            HWND list = GetDlgItem(chooser, IDC_SELSCRIPT_LIST);
            const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                char row[300] = {};
                LVITEMA item = {};
                item.pszText = row;
                item.cchTextMax = sizeof row;
                SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
                rows += std::to_string(strlen(row)) + ",";
                if (pick.row == row) {
                    LVITEMA state = {};
                    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
                    SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
                }
            }
            DialogDriver::press(chooser, IDOK);
            driver.later([&] { DialogDriver::press(properties, IDOK); });
        });
        if (pick.refused) {
            driver.next([&](HWND box) {
                message = DialogDriver::messageText(box);
                DialogDriver::press(box, IDOK);
                driver.later([&] { DialogDriver::press(properties, IDCANCEL); });
            });
        }
        const size_t before = tree().childCount(file);
        command(ID_MENU_ADD_SCRIPT);
        // Every name but the one too long for a script name, carriage returns
        // kept, in the list's order.
        EXPECT_EQ(rows, "200,1,128,8,7,") << pick.row;
        if (pick.refused) {
            // The empty name took the script's name too, and is checked first.
            EXPECT_EQ(message, loadString(IDS_QUOTE_IN_NAME));
            EXPECT_EQ(tree().childCount(file), before);
        } else {
            ASSERT_EQ(tree().childCount(file), before + 1);
            EXPECT_TRUE(same(fieldOf(tree(), tree().lastChild(file), IDC_SCRIPT_SCRIPT), pick.row));
        }
    }
    expectCodeReadsBack(tree());
}

TEST(PluginAbuse, APlugInThatMisbehavesGivesNoAnswerOrABoundedOneAndNeverAHang) {
    struct Case {
        const char* fault;
        bool answers;
    } cases[] = {
        {"silent", false},       // never answers the request
        {"silent-text", false},  // answers the request, never the text
        {"vanish", false},       // destroys its window on the request
        {"overlong", true},      // fills the whole buffer without an end and claims more
    };
    for (const Case& c : cases) {
        FmStandIn fm("A\n", "", std::string("--fault ") + c.fault);
        ASSERT_TRUE(fm.ready()) << c.fault;
        PluginAnswer answer;
        const DWORD start = GetTickCount();
        EXPECT_EQ(askPluginWindow(fm.plugin(), PluginRequest::Scripts, answer, 500), c.answers) << c.fault;
        EXPECT_LT(GetTickCount() - start, 3000u) << c.fault;
        EXPECT_LT(answer.text().size(), kPluginAnswerSize) << c.fault;
        // A full buffer of one name without a line feed holds no whole name.
        char name[256] = {};
        EXPECT_EQ(answer.nextName(name, sizeof name), 0u) << c.fault;
    }
}

}  // namespace
}  // namespace tessary
