// The item property dialogs on a real main window: opened by their commands,
// filled through the dialog driver, and the resulting tree, title and code
// checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "menucode/code_tree.h"
#include "model/tree_flatten.h"
#include "platform/clipboard.h"
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;

// The example menu of the writer, as Copy Code must give it.
const std::string kExample =
    "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"FileMaker Pro\" )\r\n\t{\r\n"
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )\r\n\t}\r\n"
    "\tFM_MENU ( \"File\" , FM_MENU_FILE )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n"
    "\t\tFM_MENUITEMSEPARATOR ()\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Print One\", \"Print\", CTRL + \"P\", String:\"Print\", Check-On )\r\n\t}\r\n"
    "#IF_WIN\r\n\tFM_MENU ( \"Tools\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Sharing...\", \"Sharing\", Disabled )\r\n"
    "\t}\r\n#END_IF\r\n}\r\n";

void setText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}
void click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
void ok(HWND dialog) {
    DialogDriver::press(dialog, IDOK);
}

// Chooses a list entry as the user does: the selection changes and the dialog hears of it.
void choose(HWND dialog, int id, const char* entry) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT index =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

class ItemDialogsTest : public test::MainWindowFixture {
protected:
    // Runs a command whose dialog the action fills; true when a dialog opened.
    bool runDialog(UINT commandId, std::function<void(HWND)> fill) {
        DialogDriver driver;
        driver.next(std::move(fill));
        command(commandId);
        return driver.dialogsSeen() > 0;
    }

    NodeHandle find(const std::string& caption) {
        for (NodeHandle n = tree().firstTopLevel(); n != kNoNode;) {
            if (tree().caption(n) == caption) {
                return n;
            }
            NodeHandle next = tree().firstChild(n);
            while (next == kNoNode && n != kRootNode) {
                next = tree().nextSibling(n);
                if (next == kNoNode) {
                    n = tree().parent(n);
                }
            }
            if (n == kRootNode) {
                return kNoNode;
            }
            n = next;
        }
        return kNoNode;
    }

    void select(const std::string& caption) { tree().selectNode(caption.empty() ? kNoNode : find(caption)); }

    void load(const char* code) {
        tree().clearTree();
        ASSERT_EQ(LoadCodeIntoTree(tree(), code, MenuKind::MainMenu), LoadResult::accepted());
    }

    DialogDriver unexpected{8000};
};

TEST_F(ItemDialogsTest, TheWritersExampleIsBuiltThroughTheDialogsAlone) {
    ASSERT_TRUE(runDialog(ID_MENU_ADD_MENU, [](HWND d) {
        EXPECT_EQ(DialogDriver::windowText(d), "Menu Properties");
        click(d, IDC_MENU_APP_MENU);
        setText(d, IDC_ITEM_NAME, "FileMaker Pro");
        ok(d);
    }));
    EXPECT_EQ(title(), "Tessary - Untitled Menu Project* (Main Menu)");
    select("FileMaker Pro");
    ASSERT_TRUE(runDialog(ID_MENU_ADD_SCRIPT, [](HWND d) {
        choose(d, IDC_SCRIPT_MAC_ITEM, "Mac OS X Preferences Item");
        setText(d, IDC_ITEM_NAME, "Preferences...");
        setText(d, IDC_SCRIPT_SCRIPT, "Preferences");
        ok(d);
    }));
    select("");
    ASSERT_TRUE(runDialog(ID_MENU_ADD_FM_ITEM, [](HWND d) {
        setText(d, IDC_FMITEM_KEYWORD, "FM_MENU_FILE");  // what the chooser puts there for the File menu
        click(d, IDC_ITEM_LOCAL_CAPTION);
        setText(d, IDC_ITEM_NAME, "File");
        ok(d);
    }));
    select("File");
    ASSERT_TRUE(runDialog(ID_MENU_ADD_FM_ITEM, [](HWND d) {
        setText(d, IDC_FMITEM_KEYWORD, "FM_OPEN");
        ok(d);
    }));
    ASSERT_TRUE(runDialog(ID_MENU_ADD_SEPARATOR, [](HWND d) { ok(d); }));
    ASSERT_TRUE(runDialog(ID_MENU_ADD_SCRIPT, [](HWND d) {
        setText(d, IDC_ITEM_NAME, "Print One");
        setText(d, IDC_SCRIPT_SCRIPT, "Print");
        setText(d, IDC_ITEM_USER_STRING, "Print");
        click(d, IDC_SCRIPT_CHECK_ON);
        click(d, IDC_ITEM_CTRL);
        choose(d, IDC_ITEM_KEY, "P");
        ok(d);
    }));
    select("");
    ASSERT_TRUE(runDialog(ID_MENU_ADD_MENU, [](HWND d) {
        setText(d, IDC_ITEM_NAME, "Tools");
        click(d, IDC_ITEM_MAC_CLASSIC);  // all three -> Windows alone
        ok(d);
    }));
    select("Tools");
    ASSERT_TRUE(runDialog(ID_MENU_ADD_SCRIPT, [](HWND d) {
        setText(d, IDC_ITEM_NAME, "Sharing...");
        setText(d, IDC_SCRIPT_SCRIPT, "Sharing");
        click(d, IDC_ITEM_ENABLED);
        ok(d);
    }));

    DialogDriver hint;
    hint.next([](HWND d) { ok(d); });
    command(ID_MENU_COPY_CODE);
    EXPECT_EQ(clipboardTextContent(), kExample);
}

TEST_F(ItemDialogsTest, EditModeChangesTheSelectedNodeOfEachKind) {
    load(
        "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n"
        "\t\tFM_MENUITEMSEPARATOR ()\r\n\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\" )\r\n\t}\r\n}\r\n");
    select("File");
    ASSERT_TRUE(runDialog(ID_MENU_PROPERTIES, [](HWND d) {
        EXPECT_EQ(DialogDriver::windowText(GetDlgItem(d, IDC_ITEM_NAME)), "File");
        setText(d, IDC_ITEM_NAME, "Datei");
        ok(d);
    }));
    select("Open...");
    ASSERT_TRUE(runDialog(ID_MENU_PROPERTIES, [](HWND d) {
        EXPECT_EQ(DialogDriver::windowText(d), "Menu Item Properties");
        EXPECT_EQ(DialogDriver::windowText(GetDlgItem(d, IDC_ITEM_NAME)), "Equivalent of: 'Open...'");
        setText(d, IDC_ITEM_USER_STRING, "open");
        ok(d);
    }));
    select("-Separator-");
    ASSERT_TRUE(runDialog(ID_MENU_PROPERTIES, [](HWND d) {
        click(d, IDC_ITEM_WINDOWS);  // all three -> both Mac platforms
        ok(d);
    }));
    select("Run");
    ASSERT_TRUE(runDialog(ID_MENU_PROPERTIES, [](HWND d) {
        click(d, IDC_ITEM_ALT);
        choose(d, IDC_ITEM_KEY, "R");
        ok(d);
    }));
    EXPECT_EQ(flattenTree(tree(), kFlattenKinds | kFlattenPlatforms),
              "Datei{Menu 7}[Open...{FmItem 7},-Separator-{Separator 6},Run{ScriptItem 7}]");
    EXPECT_EQ(tree().getShortcut(find("Run")), 0x0400 | 'R');
    EXPECT_EQ(std::string(tree().getRecord(find("Open..."))->userString), "open");
    EXPECT_TRUE(document().modified);
}

TEST_F(ItemDialogsTest, EachQuestionKeepsTheDialogOnNoAndGoesOnWithYes) {
    const char* fileWithRun =
        "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\" )\r\n"
        "#IF_WIN\r\n\t\tFM_MENUSCRIPTITEM ( \"Win\", \"Win\" )\r\n#END_IF\r\n\t}\r\n}\r\n";
    struct Case {
        const char* question;
        UINT command;
        std::function<void(HWND)> fill;
        const char* afterYes;
    } cases[] = {
        {"No script name specified. Do you want to continue?", ID_MENU_ADD_SCRIPT,
         [](HWND d) { setText(d, IDC_ITEM_NAME, "Go"); },
         "File{Menu 7}[Run{ScriptItem 7},Win{ScriptItem 1},Go{ScriptItem 7}]"},
        {"This menu contains Windows-only items.\nThey will be deleted when the menu is defined\nas "
         "Apple/Application Menu for Mac.",
         ID_MENU_PROPERTIES, [](HWND d) { click(d, IDC_MENU_APP_MENU); }, "File{AppMenu 6}[Run{ScriptItem 6}]"},
        {"Platform settings will be applyed to all subitem(s). Do you want to continue?", ID_MENU_PROPERTIES,
         [](HWND d) { click(d, IDC_ITEM_WINDOWS); }, "File{Menu 6}[Run{ScriptItem 6},Win{ScriptItem 6}]"},
    };
    for (const Case& c : cases) {
        for (int answer : {IDNO, IDYES}) {
            load(fileWithRun);
            select("File");
            const std::string before = flattenTree(tree(), kFlattenKinds | kFlattenPlatforms);
            DialogDriver driver;
            std::string asked;
            driver.next([&](HWND d) {
                c.fill(d);
                ok(d);
            });
            driver.next([&](HWND box) {
                asked = DialogDriver::messageText(box);
                DialogDriver::press(box, answer);
                if (answer == IDNO) {
                    // The dialog stays open; the user then cancels it.
                    PostMessageA(GetWindow(box, GW_OWNER), WM_COMMAND, IDCANCEL, 0);
                }
            });
            command(c.command);
            EXPECT_EQ(asked, c.question);
            EXPECT_EQ(flattenTree(tree(), kFlattenKinds | kFlattenPlatforms), answer == IDYES ? c.afterYes : before)
                << c.question << " / " << answer;
            EXPECT_EQ(driver.pending(), 0);
        }
    }
}

TEST_F(ItemDialogsTest, RefusalsKeepTheDialogAndImpossibleTargetsOpenNothing) {
    load("FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n");
    select("File");
    DialogDriver driver;
    std::string refused;
    driver.next([](HWND d) {
        setText(d, IDC_ITEM_NAME, "Say \"Hi\"");
        ok(d);
    });
    driver.next([&](HWND box) {
        refused = DialogDriver::messageText(box);
        DialogDriver::press(box, IDOK);
        PostMessageA(GetWindow(box, GW_OWNER), WM_COMMAND, IDCANCEL, 0);
    });
    command(ID_MENU_ADD_SCRIPT);
    EXPECT_EQ(refused, "The name contains a double quote (\"), which menu code can not hold. Please remove it.");
    EXPECT_EQ(flattenTree(tree()), "File");
    EXPECT_FALSE(document().modified);

    // With nothing selected a menu bar takes no script and no separator: no dialog opens.
    select("");
    command(ID_MENU_ADD_SCRIPT);
    command(ID_MENU_ADD_SEPARATOR);
    EXPECT_EQ(driver.dialogsSeen(), 2);
}

}  // namespace
}  // namespace tessary
