// The monkey: random editing commands on a large tree in a real main window,
// seeded and repeatable, each dialog and question answered at random. After
// every step the tree is checked against its invariants: the model's own
// links, the tree control showing exactly the model (its count and selection
// every step, item by item every tenth), the menu rules, the title's mark, and
// code that reads back to the same code. Now and then it undoes or redoes a
// few steps. At the end everything is undone, which gives back the document
// as opened, and redone, which gives back the end, each byte for byte; then
// the document is saved and reopened, byte for byte what the tree generates.
//
//   TESSARY_MONKEY_STEPS (default 150) and TESSARY_MONKEY_SEED (default 1)
//   choose the run; scripts/monkey runs long ones. TESSARY_MONKEY_FILE names
//   another document to start from (a Windows path).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "documents/document_files.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "resources/resource.h"
#include "shell/startup.h"
#include "shell/tree_control.h"
#include "shell/window_helpers.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::ScratchFolder;

unsigned environmentNumber(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

// A main menu of about 500 nodes: an application menu, menus three deep,
// every item kind, shortcuts, user strings and platform blocks.
std::string largeMenuBar() {
    const char* commands[] = {"FM_OPEN", "FM_CLOSE", "FM_COPY", "FM_PASTE", "FM_UNDO", "FM_PRINT"};
    std::string code =
        "FM_MENUBAR ()\r\n{\r\nFM_APPMENU ( \"App\" )\r\n{\r\n"
        "FM_MACPREFERENCES ( \"Preferences...\", \"Prefs\" )\r\nFM_MACQUITITEM ( \"Quit\", \"Quit\" )\r\n}\r\n";
    int script = 0;
    auto items = [&](int count) {
        std::string body;
        for (int i = 0; i < count; ++i, ++script) {
            const std::string n = std::to_string(script);
            switch (script % 4) {
                case 0:
                    body += "FM_MENUSCRIPTITEM ( \"Run " + n + "\", \"Script " + n + "\", String:\"u" + n + "\" )\r\n";
                    break;
                case 1:
                    body += std::string("FM_MENUITEM ( ") + commands[script % 6] + " )\r\n";
                    break;
                case 2:
                    body += "FM_MENUITEMSEPARATOR ()\r\n";
                    break;
                default:
                    body += "FM_MENUSCRIPTITEM ( \"Key " + n + "\", \"K\", CTRL + \"" +
                            std::string(1, static_cast<char>('A' + script % 26)) + "\", Disabled, Check-On )\r\n";
            }
        }
        return body;
    };
    for (int m = 0; m < 12; ++m) {
        const std::string name = "Menu " + std::to_string(m);
        code += (m % 3 == 2 ? "#IF_WIN\r\n" : "") + std::string("FM_MENU ( \"") + name + "\" )\r\n{\r\n" + items(12);
        for (int s = 0; s < 2; ++s) {
            code += "FM_MENU ( \"" + name + "." + std::to_string(s) + "\" )\r\n{\r\n" + items(8) +
                    "FM_MENU ( \"Deep\" )\r\n{\r\n" + items(4) + "}\r\n}\r\n";
        }
        code += "}\r\n" + std::string(m % 3 == 2 ? "#END_IF\r\n" : "");
    }
    return code + "}\r\n";
}

// Texts the monkey types: plain, empty, blanks, bytes 0x80-0xFF, quotes, too long.
const char* const kTexts[] = {"Orders",     "",          "  x  ",       "\xC4pfel \xE9t\xE9 \x80\x99\xFF",
                              "Say \"hi\"", "Tab\there", "-Separator-", "&Edit"};
const char* const kKeywords[] = {"FM_OPEN", "FM_MENU_FILE", "FM_SAVE_A_COPY", "NOT_A_KEYWORD", ""};

class MonkeyTest : public test::MainWindowFixture {
protected:
    unsigned pick(unsigned count) { return std::uniform_int_distribution<unsigned>(0, count - 1)(random_); }
    bool chance(unsigned percent) { return pick(100) < percent; }
    std::string text() {
        return chance(10) ? std::string(300, static_cast<char>('a' + pick(26))) : kTexts[pick(std::size(kTexts))];
    }

    void log(const std::string& entry) {
        log_.push_back("step " + std::to_string(step_) + ": " + entry);
        if (log_.size() > 30) {
            log_.pop_front();
        }
    }
    std::string history() const {
        std::string out;
        for (const std::string& entry : log_) {
            out += entry + "\n";
        }
        return out;
    }

    // Every node, in tree order.
    std::vector<NodeHandle> nodes() const {
        std::vector<NodeHandle> all;
        std::vector<NodeHandle> pending{window->tree().firstTopLevel()};
        while (!pending.empty()) {
            const NodeHandle n = pending.back();
            pending.pop_back();
            if (n == kNoNode) {
                continue;
            }
            all.push_back(n);
            pending.push_back(window->tree().nextSibling(n));
            pending.push_back(window->tree().firstChild(n));
        }
        return all;
    }

    // ---- Answering the dialogs ----

    void onDialog(DialogDriver& driver, HWND dialog) {
        const std::string title = DialogDriver::windowText(dialog);
        if (title == "Quorix Tessary") {
            // A question or a refusal: any button; an item dialog it leaves open is
            // cancelled. A whole menu is deleted now and then only, so the tree stays large.
            const int buttons[] = {IDYES, IDNO, IDOK, IDCANCEL};
            int button = buttons[pick(4)];
            while (!GetDlgItem(dialog, button)) {
                button = buttons[pick(4)];
            }
            if (button == IDYES && DialogDriver::messageText(dialog).starts_with("Are you sure") && chance(75)) {
                button = IDNO;
            }
            log("  message \"" + DialogDriver::messageText(dialog).substr(0, 40) + "\" -> " + std::to_string(button));
            HWND owner = GetWindow(dialog, GW_OWNER);
            DialogDriver::press(dialog, button);
            if (owner && owner != hwnd()) {
                driver.later([owner] {
                    if (IsWindow(owner)) {
                        DialogDriver::press(owner, IDCANCEL);
                    }
                });
            }
            return;
        }
        if (title.find("Properties") == std::string::npos) {
            log("  cancel " + title);
            DialogDriver::press(dialog, IDCANCEL);
            return;
        }
        fillItemDialog(dialog);
        const bool ok = chance(90) && IsWindowEnabled(GetDlgItem(dialog, IDOK));
        log("  " + title + (ok ? " OK" : " Cancel"));
        DialogDriver::press(dialog, ok ? IDOK : IDCANCEL);
        // A dialog that OK left open without a question is cancelled (one under a
        // message box is disabled, and waits for the message box's answer).
        driver.later([dialog] {
            if (IsWindow(dialog) && IsWindowEnabled(dialog)) {
                DialogDriver::press(dialog, IDCANCEL);
            }
        });
    }

    void click(HWND dialog, int id) {
        HWND control = GetDlgItem(dialog, id);
        if (control && IsWindowEnabled(control)) {
            SendMessageA(control, BM_CLICK, 0, 0);
        }
    }

    void setField(HWND dialog, int id, const std::string& value) {
        HWND control = GetDlgItem(dialog, id);
        if (control && IsWindowEnabled(control)) {
            SetWindowTextA(control, value.c_str());
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(control));
        }
    }

    void fillItemDialog(HWND dialog) {
        for (int id : {IDC_ITEM_WINDOWS, IDC_ITEM_MAC_CLASSIC, IDC_ITEM_MAC_X, IDC_ITEM_ENABLED, IDC_ITEM_CTRL,
                       IDC_ITEM_ALT, IDC_ITEM_LOCAL_CAPTION, IDC_MENU_APP_MENU, IDC_SCRIPT_CHECK_ON}) {
            if (chance(id == IDC_MENU_APP_MENU ? 5 : 20)) {
                click(dialog, id);
            }
        }
        if (chance(60)) {
            setField(dialog, IDC_ITEM_NAME, text());
        }
        if (chance(40)) {
            setField(dialog, IDC_SCRIPT_SCRIPT, text());
        }
        if (chance(30)) {
            setField(dialog, IDC_ITEM_USER_STRING, text());
        }
        if (chance(50) && GetDlgItem(dialog, IDC_FMITEM_KEYWORD)) {
            SetDlgItemTextA(dialog, IDC_FMITEM_KEYWORD, kKeywords[pick(std::size(kKeywords))]);
        }
        for (int id : {IDC_ITEM_KEY, IDC_SCRIPT_MAC_ITEM}) {
            HWND list = GetDlgItem(dialog, id);
            const int count = list ? static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)) : 0;
            if (count > 0 && IsWindowEnabled(list) && chance(25)) {
                SendMessageA(list, CB_SETCURSEL, pick(static_cast<unsigned>(count)), 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
            }
        }
    }

    // ---- The commands ----

    // The client point of the main window at the middle of a node's caption,
    // scrolled into view first.
    LPARAM pointOf(NodeHandle node) {
        HTREEITEM item = window->mirror().itemOf(node);
        TreeView_EnsureVisible(controls().tree, item);
        RECT rect = {};
        TreeView_GetItemRect(controls().tree, item, &rect, TRUE);
        POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        MapWindowPoints(controls().tree, hwnd(), &point, 1);
        return MAKELPARAM(point.x, point.y);
    }

    void randomStep() {
        const std::vector<NodeHandle> all = nodes();
        const NodeHandle node = all.empty() ? kNoNode : all[pick(static_cast<unsigned>(all.size()))];
        const std::string caption = node == kNoNode ? "(none)" : tree().caption(node).substr(0, 30);
        switch (pick(17)) {
            case 0:
            case 1:
                log("select " + caption);
                tree().selectNode(chance(10) ? kNoNode : node);
                SetFocus(controls().tree);
                break;
            case 2: {
                const UINT commands[] = {ID_MENU_ADD_MENU, ID_MENU_ADD_SCRIPT, ID_MENU_ADD_FM_ITEM,
                                         ID_MENU_ADD_SEPARATOR};
                const UINT id = commands[pick(4)];
                log("add " + std::to_string(id));
                command(id);
                break;
            }
            case 3:
                log("properties");
                command(ID_MENU_PROPERTIES);
                break;
            case 4:
                log("delete");
                command(ID_MENU_DELETE);
                break;
            case 5:
                log(chance(50) ? "move up" : "move down");
                command(log_.back().ends_with("up") ? ID_MENU_MOVE_UP : ID_MENU_MOVE_DOWN);
                break;
            case 6:
                log(chance(50) ? "cut" : "copy");
                SetFocus(controls().tree);
                command(log_.back().ends_with("cut") ? ID_EDIT_CUT : ID_EDIT_COPY);
                break;
            case 7:
            case 8:
                log("paste");
                SetFocus(controls().tree);
                command(ID_EDIT_PASTE);
                break;
            case 9: {
                // A drag of mouse messages onto another node, with Ctrl for a copy now and then.
                if (currentTab() != EditorTab::MenuTree || node == kNoNode || all.size() < 2) {
                    break;
                }
                const NodeHandle target = all[pick(static_cast<unsigned>(all.size()))];
                log("drag " + caption + " onto " + tree().caption(target).substr(0, 30));
                NMTREEVIEWA begin = {};
                begin.hdr = {controls().tree, 0, static_cast<UINT>(TVN_BEGINDRAGA)};
                begin.itemNew.hItem = window->mirror().itemOf(node);
                SendMessageA(hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&begin));
                const LPARAM at = pointOf(target);
                const WPARAM keys = chance(30) ? MK_CONTROL : 0;
                SendMessageA(hwnd(), WM_MOUSEMOVE, keys, at);
                SendMessageA(hwnd(), chance(90) ? WM_LBUTTONUP : WM_KEYDOWN, keys, chance(90) ? at : VK_ESCAPE);
                if (window->drag().active()) {
                    command(ID_CANCEL_DRAG);
                }
                break;
            }
            case 10: {
                log("rename " + caption);
                command(ID_EDIT_RENAME);
                if (HWND edit = TreeView_GetEditControl(controls().tree)) {
                    SetWindowTextA(edit, text().c_str());
                    TreeView_EndEditLabelNow(controls().tree, chance(10));
                }
                break;
            }
            case 11:
                log(chance(50) ? "expand all" : "collapse all");
                command(log_.back().ends_with("expand all") ? ID_MENU_EXPAND_ALL : ID_MENU_COLLAPSE_ALL);
                break;
            case 12: {
                // Through the code: unchanged, with a blank line added at its end,
                // or with a line of garbage, refused, then taken out again. The
                // menu comes back as it was.
                std::string before;
                generateDocumentCode(tree(), document().menuKind, before);
                const unsigned how = pick(3);
                log(how == 0   ? "code tab and back"
                    : how == 1 ? "code tab, blank line, back"
                               : "code tab, garbage, back");
                clickTab(EditorTab::MenuCode);
                if (currentTab() != EditorTab::MenuCode) {
                    break;  // the tree could not be written as code; it said so
                }
                HWND edit = controls().codeEdit;
                const std::string original = windowText(edit);
                if (how == 1) {
                    SendMessageA(edit, EM_SETSEL, original.size(), original.size());
                    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\r\n"));
                } else if (how == 2) {
                    std::vector<size_t> lineStarts{0};
                    for (size_t at = original.find('\n'); at != std::string::npos && at + 1 < original.size();
                         at = original.find('\n', at + 1)) {
                        lineStarts.push_back(at + 1);
                    }
                    const size_t at = lineStarts[pick(static_cast<unsigned>(lineStarts.size()))];
                    SendMessageA(edit, EM_SETSEL, at, at);
                    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("garbage\r\n"));
                    clickTab(EditorTab::MenuTree);
                    EXPECT_EQ(currentTab(), EditorTab::MenuCode) << "a line of garbage was taken\n" << history();
                    SetWindowTextA(edit, original.c_str());
                }
                clickTab(EditorTab::MenuTree);
                std::string after;
                generateDocumentCode(tree(), document().menuKind, after);
                EXPECT_TRUE(after == before) << "the trip through the code changed the menu\n" << history();
                break;
            }
            case 13:
                log("save");
                command(ID_FILE_SAVE);
                break;
            case 14:
                log("check syntax");
                clickTab(EditorTab::MenuCode);
                command(ID_MENU_CHECK_SYNTAX);
                clickTab(EditorTab::MenuTree);
                break;
            case 15: {
                const bool undo = chance(60);
                const unsigned count = 1 + pick(4);
                log((undo ? "undo " : "redo ") + std::to_string(count) + ": " +
                    (undo ? window->history().undoLabel() : window->history().redoLabel()).substr(0, 40));
                for (unsigned i = 0; i < count; ++i) {
                    command(undo ? ID_EDIT_UNDO : ID_EDIT_REDO);
                }
                break;
            }
            default:
                log("new item at random place");
                tree().selectNode(node);
                command(chance(50) ? ID_MENU_ADD_SCRIPT : ID_MENU_ADD_MENU);
                break;
        }
    }

    EditorTab currentTab() const { return window->currentTab(); }

    // The document byte for byte: its code, and every node's caption, kind and record.
    std::string content() {
        std::string out;
        generateDocumentCode(tree(), document().menuKind, out);
        for (NodeHandle n : nodes()) {
            out += tree().caption(n) + static_cast<char>(tree().getKind(n));
            out.append(reinterpret_cast<const char*>(tree().getRecord(n)), sizeof(MenuItemRecord));
        }
        return out;
    }

    // Undoes (redoes) every step, checking the invariants now and then; the number of steps.
    unsigned stepThroughHistory(UINT commandId) {
        unsigned count = 0;
        const TreeHistory& steps = window->history();
        while (commandId == ID_EDIT_UNDO ? steps.canUndo() : steps.canRedo()) {
            command(commandId);
            test::pumpPending();
            if (++count % 50 == 0) {
                EXPECT_EQ(brokenInvariant(false), "") << count << " steps through the history\n" << history();
            }
        }
        return count;
    }

    // ---- The invariants ----

    // Where the control and the model part, or empty: each item stands for its
    // node (its lParam) and shows the node's caption, in the model's order.
    std::string mirrorDifference(NodeHandle parent, HTREEITEM first) {
        HWND control = controls().tree;
        HTREEITEM item = first;
        for (NodeHandle n = tree().firstChild(parent); n != kNoNode; n = tree().nextSibling(n)) {
            if (!item) {
                return "the control lacks " + tree().caption(n);
            }
            char text[1100] = {};
            TVITEMA info = {};
            info.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
            info.hItem = item;
            info.pszText = text;
            info.cchTextMax = sizeof text;
            SendMessageA(control, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
            if (static_cast<NodeHandle>(info.lParam) != n || tree().captionView(n) != text) {
                return std::string("the control shows ") + text + " for " + tree().caption(n);
            }
            if (std::string below = mirrorDifference(n, TreeView_GetChild(control, item)); !below.empty()) {
                return below;
            }
            item = TreeView_GetNextSibling(control, item);
        }
        return item ? "the control has more items than the model" : "";
    }

    std::string ruleBreach() {
        const MenuTree& t = tree();
        const bool menuBar = document().menuKind == MenuKind::MainMenu;
        for (NodeHandle n : nodes()) {
            const NodeHandle parent = t.parent(n);
            const NodeKind kind = t.getKind(n);
            const std::string name = "\"" + t.caption(n).substr(0, 30) + "\"";
            if ((t.getPlatforms(n) & ~t.getParentPlatforms(n)) != 0) {
                return name + " is on platforms its menu is not";
            }
            if (parent == kRootNode && menuBar && kind != NodeKind::Menu && kind != NodeKind::AppMenu) {
                return name + " stands in the menu bar";
            }
            if (kind == NodeKind::AppMenu && (!menuBar || parent != kRootNode || t.previousSibling(n) != kNoNode)) {
                return name + ": an application menu out of place";
            }
            if ((kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem) &&
                (parent == kRootNode || t.getKind(parent) != NodeKind::AppMenu)) {
                return name + ": a Mac item outside the application menu";
            }
        }
        return {};
    }

    // The first broken invariant, or empty. Walking the whole control costs
    // Wine's tree view time in the square of its items, so every step compares
    // the count and the selection and only some steps the whole control.
    std::string brokenInvariant(bool wholeControl) {
        std::string problem;
        if (!tree().checkInvariants(&problem)) {
            return "tree: " + problem;
        }
        HWND control = controls().tree;
        if (TreeView_GetCount(control) != tree().nodeCount()) {
            return "mirror: the control holds " + std::to_string(TreeView_GetCount(control)) + " items for " +
                   std::to_string(tree().nodeCount()) + " nodes";
        }
        if (window->mirror().nodeOf(TreeView_GetSelection(control)) != tree().selected()) {
            return "mirror: the control's selection is not the model's";
        }
        if (wholeControl) {
            if (std::string difference = mirrorDifference(kRootNode, TreeView_GetRoot(control)); !difference.empty()) {
                return "mirror: " + difference;
            }
        }
        if (std::string breach = ruleBreach(); !breach.empty()) {
            return "rules: " + breach;
        }
        if ((title().find('*') != std::string::npos) != document().modified) {
            return "title " + title() + " disagrees with the modified flag";
        }
        std::string code;
        if (!generateDocumentCode(tree(), document().menuKind, code)) {
            return "the tree cannot be written as menu code";
        }
        MenuTree again;
        if (LoadCodeIntoTree(again, code, document().menuKind) != LoadResult::accepted()) {
            return "its code does not read back";
        }
        std::string codeAgain;
        if (!generateDocumentCode(again, document().menuKind, codeAgain) || codeAgain != code) {
            size_t at = 0;
            while (at < code.size() && at < codeAgain.size() && code[at] == codeAgain[at]) {
                ++at;
            }
            const size_t line = code.rfind('\n', at) + 1;
            return "its code reads back as other code: " + code.substr(line, code.find('\r', at) - line) +
                   " reads as " + codeAgain.substr(line, codeAgain.find('\r', at) - line);
        }
        return {};
    }

    std::mt19937 random_;
    std::deque<std::string> log_;
    unsigned step_ = 0;
};

TEST_F(MonkeyTest, RandomEditingKeepsEveryInvariantAndTheDocumentReadsBack) {
    const unsigned seed = environmentNumber("TESSARY_MONKEY_SEED", 1);
    const unsigned steps = environmentNumber("TESSARY_MONKEY_STEPS", 150);
    random_.seed(seed);
    ScratchFolder folder;
    const std::string path = folder.file("Monkey.tsmb");
    const char* other = std::getenv("TESSARY_MONKEY_FILE");
    ASSERT_TRUE(ScratchFolder::write(path, other && *other ? ScratchFolder::read(other) : largeMenuBar()));
    applyStartupCommandLine(*window, ("\"" + path + "\"").c_str());
    test::pumpPending();
    ASSERT_EQ(title(), "Tessary - Monkey.tsmb  (Main Menu)");
    ASSERT_GT(tree().nodeCount(), 450u);
    const std::string opened = content();

    for (step_ = 1; step_ <= steps; ++step_) {
        DialogDriver driver(15000);
        for (int i = 0; i < 6; ++i) {
            driver.next([&](HWND dialog) { onDialog(driver, dialog); });
        }
        randomStep();
        test::pumpPending();
        ASSERT_FALSE(driver.watchdogFired()) << "seed " << seed << "\n" << history();
        const std::string problem = brokenInvariant(step_ % 10 == 0 || step_ == steps);
        ASSERT_EQ(problem, "") << "seed " << seed << ", after step " << step_ << "\n" << history();
    }

    EXPECT_EQ(brokenInvariant(true), "");
    clickTab(EditorTab::MenuTree);
    const size_t historyBytes = window->history().bytes();
    const size_t historySteps = window->history().undoCount();
    const std::string end = content();
    stepThroughHistory(ID_EDIT_UNDO);
    EXPECT_TRUE(content() == opened) << "everything undone is not the document as opened\n" << history();
    EXPECT_EQ(brokenInvariant(true), "");
    stepThroughHistory(ID_EDIT_REDO);
    EXPECT_TRUE(content() == end) << "everything redone is not the end\n" << history();
    EXPECT_EQ(brokenInvariant(true), "");
    // Saved, the file holds what the tree generates; reopened, it gives the same code.
    clickTab(EditorTab::MenuTree);
    command(ID_FILE_SAVE);
    EXPECT_FALSE(document().modified);
    std::string code;
    ASSERT_TRUE(generateDocumentCode(tree(), document().menuKind, code));
    EXPECT_TRUE(ScratchFolder::read(path) == code) << "seed " << seed;
    // A copy of the file, since the window holding a file is the only one that opens it.
    const std::string copy = folder.file("Monkey copy.tsmb");
    ASSERT_TRUE(CopyFileA(path.c_str(), copy.c_str(), FALSE));
    MainWindow& reopened = otherWindow(false);
    applyStartupCommandLine(reopened, ("\"" + copy + "\"").c_str());
    test::pumpPending();
    std::string reopenedCode;
    ASSERT_TRUE(generateDocumentCode(reopened.tree(), reopened.document().menuKind, reopenedCode));
    EXPECT_TRUE(reopenedCode == code) << "seed " << seed;
    std::printf("monkey: seed %u, %u steps, %zu nodes at the end\n", seed, steps, tree().nodeCount());
    std::printf("monkey: the history held %zu steps in %zu bytes\n", historySteps, historyBytes);
}

}  // namespace
}  // namespace tessary
