// The start-up wizard in process: its frame and pages over the program's own
// settings, ready-made files beside the test program, and the FileMaker
// stand-in; each task ends in a real main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/recent_files.h"
#include "model/tree_flatten.h"
#include "resources/resource.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/message_loop.h"
#include "shell/program.h"
#include "shell/startup.h"
#include "shell/wizard/wizard_frame.h"
#include "support/dialog_driver.h"
#include "support/fm_standin.h"
#include "support/ready_made_folder.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::FmStandIn;
using test::ScratchFolder;

std::string menuBar(const std::string& caption) {
    return "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"" + caption + "\" )\r\n\t{\r\n\t}\r\n}\r\n";
}

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        program.launchCopy = [this](const LaunchRequest& request) { launched.push_back(launchParameters(request)); };
        program.loadAccelerators();
        for (const char* name : {"Reports", "Kiosk"}) {
            folder.addTemplate(name, menuBar(name));
        }
        for (const char* name : {"Pro 9,Browse", "Pro 9,Find", "Pro 10,Browse"}) {
            folder.addStandardMenu(name, menuBar(name));
        }
    }

    void TearDown() override {
        if (program.wizardFrame) {
            DestroyWindow(program.wizardFrame);
        }
        if (MainWindow* window = main()) {
            window->document().modified = false;
            DestroyWindow(window->hwnd());
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
        drainQuit();
    }

    // A main window that goes asks the program to end.
    static void drainQuit() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    HWND frame() const { return program.wizardFrame; }
    MainWindow* main() const { return program.mainWindow; }

    // The page shown in the frame.
    HWND page() const {
        for (HWND child = GetWindow(frame(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char name[16] = {};
            GetClassNameA(child, name, sizeof name);
            if (std::string(name) == "#32770" && IsWindowVisible(child)) {
                return child;
            }
        }
        return nullptr;
    }
    std::string header() const {
        return DialogDriver::windowText(GetDlgItem(frame(), IDC_WIZARD_TITLE)) + " / " +
               DialogDriver::windowText(GetDlgItem(frame(), IDC_WIZARD_SUBTITLE));
    }
    bool enabled(int id) const { return IsWindowEnabled(GetDlgItem(frame(), id)) != FALSE; }
    bool checked(int id) const { return IsDlgButtonChecked(page(), id) == BST_CHECKED; }

    // A frame button, a button of the page, a list entry chosen by the user.
    void press(int id) const {
        SendMessageA(frame(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(frame(), id)));
    }
    void click(int id) const {
        SendMessageA(page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page(), id)));
    }
    void pick(int id, int entry, bool comboBox = false) const {
        HWND list = GetDlgItem(page(), id);
        SendMessageA(list, comboBox ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        SendMessageA(page(), WM_COMMAND, MAKEWPARAM(id, comboBox ? CBN_SELCHANGE : LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    std::string entries(int id, bool comboBox = false) const {
        HWND list = GetDlgItem(page(), id);
        std::string out;
        const int count = static_cast<int>(SendMessageA(list, comboBox ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(list, comboBox ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            out += std::string(i ? "," : "") + text;
        }
        return out;
    }

    // Opens the wizard and goes from Welcome to a task's page.
    void startTask(int choice) {
        if (!frame()) {
            ASSERT_TRUE(openWizard(program));
        }
        EXPECT_EQ(header(), "Welcome to Tessary / This wizard helps you to create and  modify Varnex menu codes.");
        EXPECT_FALSE(enabled(IDC_WIZARD_NEXT) || enabled(IDC_WIZARD_BACK));
        click(choice);
        press(IDC_WIZARD_NEXT);
        EXPECT_TRUE(enabled(IDC_WIZARD_BACK));
    }

    static bool quitPosted() {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
    }

    Program program;
    test::ReadyMadeFolder folder;
    std::vector<std::string> launched;
};

TEST_F(WizardTest, AdaptMenuRemembersVersionAndModeAcrossRunsAndLoadsTheFindFile) {
    startTask(IDC_WELCOME_STANDARD);
    EXPECT_EQ(header(), "Adapt FileMaker Menu / Select the kind of FileMaker menu you would like to modify.");
    EXPECT_EQ(entries(IDC_ADAPT_VERSION, true), "Pro 10,Pro 9");
    EXPECT_EQ(SendDlgItemMessageA(page(), IDC_ADAPT_VERSION, CB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(checked(IDC_ADAPT_BROWSE));
    pick(IDC_ADAPT_VERSION, 1, true);
    click(IDC_ADAPT_FIND);
    EXPECT_FALSE(checked(IDC_ADAPT_BROWSE));
    press(IDC_WIZARD_NEXT);

    EXPECT_EQ(frame(), nullptr);
    ASSERT_NE(main(), nullptr);
    EXPECT_TRUE(IsWindowVisible(main()->hwnd()));
    EXPECT_EQ(flattenTree(main()->tree()), "Pro 9,Find");
    EXPECT_EQ(DialogDriver::windowText(main()->hwnd()), "Tessary - Untitled Menu Project  (Main Menu)");

    // The next run opens on the same version and mode.
    startTask(IDC_WELCOME_STANDARD);
    EXPECT_EQ(SendDlgItemMessageA(page(), IDC_ADAPT_VERSION, CB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(checked(IDC_ADAPT_FIND));
}

TEST_F(WizardTest, TheWizardCommandRunsOverTheHiddenMainWindowWhichATemplateTaskShowsAgain) {
    ASSERT_NE(MainWindow::create(program), nullptr);
    main()->document().setPath("C:\\Menus\\Shop.tsmb");
    SendMessageA(main()->hwnd(), WM_COMMAND, ID_HELP_WIZARD, 0);
    ASSERT_NE(frame(), nullptr);
    EXPECT_FALSE(IsWindowVisible(main()->hwnd()));
    // Tab typed in the wizard is the wizard's, not the hidden main window's.
    MSG tab = {GetDlgItem(frame(), IDC_WIZARD_SKIP), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_TRUE(translateEditorAccelerators(program, tab));
    EXPECT_TRUE(checked(IDC_WELCOME_STANDARD));

    click(IDC_WELCOME_TEMPLATE);
    press(IDC_WIZARD_NEXT);
    EXPECT_EQ(header(), "Create Menu From Template / Choose a template to creat a new menu.");
    EXPECT_EQ(entries(IDC_TEMPLATE_LIST), "Kiosk,Reports");
    EXPECT_EQ(SendDlgItemMessageA(page(), IDC_TEMPLATE_LIST, LB_GETCURSEL, 0, 0), 0);
    pick(IDC_TEMPLATE_LIST, 1);
    press(IDC_WIZARD_NEXT);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_TRUE(IsWindowVisible(main()->hwnd()));
    EXPECT_EQ(flattenTree(main()->tree()), "Reports");
    // A new document: saving cannot write over Shop.tsmb.
    EXPECT_EQ(DialogDriver::windowText(main()->hwnd()), "Tessary - Untitled Menu Project  (Main Menu)");

    main()->document().setModified(true);
    SendMessageA(main()->hwnd(), WM_COMMAND, ID_HELP_WIZARD, 0);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(launched, std::vector<std::string>{"-wizard"});
    EXPECT_TRUE(IsWindowVisible(main()->hwnd()));
}

TEST_F(WizardTest, OpenFileStartsWithTheMostRecentPathAndOpensIt) {
    ScratchFolder files;
    const std::string path = files.file("Shop.tsmn");
    ASSERT_TRUE(ScratchFolder::write(path, "FM_CONTEXTMENU ( )\r\n{\r\n\tFM_MENUITEM ( FM_COPY )\r\n}\r\n"));
    addRecentFile(program.settings, files.file("Older.tsmb"));
    addRecentFile(program.settings, path);
    startTask(IDC_WELCOME_PROJECT);
    EXPECT_EQ(header(), "Open Menu And Edit Code File / Choose the menu code file you would like to work on.");
    EXPECT_EQ(DialogDriver::windowText(GetDlgItem(page(), IDC_OPENFILE_PATH)), path);
    EXPECT_TRUE(enabled(IDC_WIZARD_NEXT));
    press(IDC_WIZARD_NEXT);
    ASSERT_NE(main(), nullptr);
    EXPECT_TRUE(test::pumpUntil(
        [&] { return DialogDriver::windowText(main()->hwnd()) == "Tessary - Shop.tsmn  (Context Menu)"; }));
}

TEST_F(WizardTest, ImportScriptsListsFileMakersDocumentsAndBringsTheChosenOneForward) {
    FmStandIn fm("", "Orders\nInvoices\n");
    ASSERT_TRUE(fm.ready());
    startTask(IDC_WELCOME_SCRIPTS);
    EXPECT_EQ(header(), "Import Scripts from FileMaker File / Choose the file you would like to build the menu for");
    EXPECT_EQ(entries(IDC_IMPORT_LIST), "Orders,Invoices");
    EXPECT_FALSE(enabled(IDC_WIZARD_NEXT));
    pick(IDC_IMPORT_LIST, 0);
    press(IDC_WIZARD_NEXT);
    EXPECT_EQ(header(), "Specify the Type of the New Menu / Menus can be main menus, contextual menus or pop-up menus");
    EXPECT_TRUE(checked(IDC_MENUTYPE_MAIN));
    click(IDC_MENUTYPE_CONTEXT);
    press(IDC_WIZARD_NEXT);
    EXPECT_EQ(frame(), nullptr);
    ASSERT_NE(main(), nullptr);
    EXPECT_EQ(DialogDriver::windowText(main()->hwnd()), "Tessary - Untitled Menu Project  (Context Menu)");
    HWND client = FindWindowExA(fm.application(), nullptr, "MDIClient", nullptr);
    EXPECT_TRUE(test::pumpUntil([&] {
        auto active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
        return DialogDriver::windowText(active) == "Orders";
    }));

    // FileMaker gone by then: message 352, and the task still ends in the main window.
    startTask(IDC_WELCOME_SCRIPTS);
    pick(IDC_IMPORT_LIST, 1);
    press(IDC_WIZARD_NEXT);
    fm.close();
    click(IDC_MENUTYPE_POPUP);
    DialogDriver driver;
    std::string text;
    driver.answerMessageBox(IDOK, &text);
    press(IDC_WIZARD_NEXT);
    EXPECT_EQ(text, loadString(IDS_FILEMAKER_NOT_RESPONDING));
    EXPECT_EQ(DialogDriver::windowText(main()->hwnd()), "Tessary - Untitled Menu Project  (Pop-Up Menu)");
}

TEST_F(WizardTest, WithoutFileMakerAFileChosenWithChooseLeadsOnToTheMenuType) {
    ScratchFolder files;
    const std::string path = files.file("Sales.fp7");
    ASSERT_TRUE(ScratchFolder::write(path, "fp7"));
    startTask(IDC_WELCOME_SCRIPTS);
    EXPECT_EQ(entries(IDC_IMPORT_LIST), "");
    DialogDriver driver;
    std::string title;
    std::string filter;
    driver.next([&](HWND dialog) {
        title = DialogDriver::windowText(dialog);
        // The dialog fills its file-type box after it shows.
        driver.later([&, dialog] {
            char type[64] = {};
            HWND types = GetDlgItem(dialog, 0x470);
            SendMessageA(types, CB_GETLBTEXT, SendMessageA(types, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(type));
            filter = type;
            SetWindowTextA(GetDlgItem(dialog, 0x47C), path.c_str());
            DialogDriver::press(dialog, IDOK);
        });
    });
    click(IDC_IMPORT_CHOOSE);
    EXPECT_EQ(title, "Open file...");
    EXPECT_EQ(filter, "FileMaker 7 (*.fp7)");  // "UseFM" reads 7
    EXPECT_EQ(DialogDriver::windowText(GetDlgItem(page(), IDC_IMPORT_FILE)), path);
    EXPECT_TRUE(enabled(IDC_WIZARD_NEXT));
    press(IDC_WIZARD_NEXT);
    press(IDC_WIZARD_NEXT);
    EXPECT_EQ(frame(), nullptr);
    ASSERT_NE(main(), nullptr);
    EXPECT_EQ(DialogDriver::windowText(main()->hwnd()), "Tessary - Untitled Menu Project  (Main Menu)");
}

TEST_F(WizardTest, SkipAlwaysMakesTheNextStartOpenTheEditorAndCancelAtStartEndsTheProgram) {
    ASSERT_TRUE(openWizard(program));
    DialogDriver driver;
    std::string title;
    std::string question;
    driver.next([&](HWND dialog) {
        title = DialogDriver::windowText(dialog);
        question = DialogDriver::windowText(GetDlgItem(dialog, IDC_SKIP_TEXT));
        DialogDriver::press(dialog, IDC_SKIP_ALWAYS);
    });
    press(IDC_WIZARD_SKIP);
    EXPECT_EQ(title, "Wizard");
    EXPECT_EQ(question, "Would you like to skip the Tessary Wizard?");
    EXPECT_EQ(frame(), nullptr);
    ASSERT_NE(main(), nullptr);
    EXPECT_EQ(DialogDriver::windowText(main()->hwnd()), "Tessary - Untitled Menu Project  (Main Menu)");
    EXPECT_FALSE(wizardOpensOnStart(program, ""));
    EXPECT_TRUE(wizardOpensOnStart(program, "-wizard"));
    DestroyWindow(main()->hwnd());
    drainQuit();

    // At start, without the "Templates" folder: message 333; Cancel ends the program.
    ScratchFolder::removeTree(folder.path());
    std::string missing;
    driver.answerMessageBox(IDOK, &missing);
    ASSERT_TRUE(openWizard(program));
    EXPECT_EQ(missing, loadString(IDS_TEMPLATES_MISSING));
    driver.next([](HWND dialog) { DialogDriver::press(dialog, IDCANCEL); });
    press(IDC_WIZARD_SKIP);
    ASSERT_NE(frame(), nullptr);
    EXPECT_FALSE(quitPosted());
    press(IDCANCEL);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(main(), nullptr);
    EXPECT_TRUE(quitPosted());
}

}  // namespace
}  // namespace tessary
