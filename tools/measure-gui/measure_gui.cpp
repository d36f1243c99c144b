// Times the editor's slow paths under Wine, as a user meets them:
//   measure_gui PROGRAM start                  start with an empty main menu
//   measure_gui PROGRAM open LABEL FILE        start with FILE, until its title shows
//   measure_gui PROGRAM edit LABEL FILE        editing commands on FILE in a main
//                                              window of this process
//   measure_gui PROGRAM baseline LABEL FILE    bare controls doing the same jobs:
//                                              what the editor's times are read against
//                                              (the filled tree's redraw and clearing too)
// Each line printed is "OPERATION LABEL SECONDS". A start or an open is a new
// Tessary.exe process, timed until its main window's title names the document;
// an editing command is timed until the window has processed and painted it.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "documents/document_files.h"
#include "editor/code_text.h"
#include "editor/tree_editing.h"
#include "menucode/code_tree.h"
#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/tree_commands.h"
#include "shell/undo_commands.h"

using namespace tessary;

namespace {

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void pumpAndPaint(HWND window) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Search {
    DWORD process;
    std::string titlePart;
    HWND found;
};

BOOL CALLBACK findTitled(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->process && std::string(title).find(search->titlePart) != std::string::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Seconds from starting the program until a window of it is titled with the part.
double timeStart(const std::string& program, const std::string& arguments, const std::string& titlePart) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    const double start = now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    Search search = {process.dwProcessId, titlePart, nullptr};
    double seconds = -1;
    while (now() - start < 60) {
        EnumWindows(findTitled, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            seconds = now() - start;
            break;
        }
        Sleep(2);
    }
    if (search.found) {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return seconds;
}

void report(const char* operation, const std::string& label, double seconds) {
    std::printf("%s %s %.3f\n", operation, label.c_str(), seconds);
    std::fflush(stdout);
}

// The top-level menu with the most nodes, and the last top-level menu.
NodeHandle biggestMenu(const MenuTree& tree) {
    NodeHandle best = kNoNode;
    size_t bestCount = 0;
    for (NodeHandle n = tree.firstTopLevel(); n != kNoNode; n = tree.nextSibling(n)) {
        size_t count = 0;
        std::vector<NodeHandle> pending{n};
        while (!pending.empty()) {
            const NodeHandle at = pending.back();
            pending.pop_back();
            ++count;
            for (NodeHandle c = tree.firstChild(at); c != kNoNode; c = tree.nextSibling(c)) {
                pending.push_back(c);
            }
        }
        if (tree.getKind(n) == NodeKind::Menu && count > bestCount) {
            best = n;
            bestCount = count;
        }
    }
    return best;
}

template <typename Operation>
void timeOperation(const char* name, const std::string& label, MainWindow& window, Operation operation) {
    pumpAndPaint(window.hwnd());
    const double start = now();
    operation();
    pumpAndPaint(window.hwnd());
    report(name, label, now() - start);
}

void clickTab(MainWindow& window, EditorTab tab) {
    HWND tabs = window.controls().tabControl;
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    NMHDR header = {tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(window.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

MainWindow* createMainWindow(Program& program, bool show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    program.launchCopy = [](const LaunchRequest&) {};
    program.loadAccelerators();
    return MainWindow::create(program, {.show = show});
}

int edit(const std::string& label, const std::string& file) {
    Program program;
    MainWindow* window = createMainWindow(program, true);
    if (!window) {
        return 2;
    }
    timeOperation("open-in-window", label, *window,
                  [&] { window->session().applyCommandLine("\"" + file + "\""), pumpAndPaint(window->hwnd()); });
    MenuTree& tree = window->tree();
    {
        // The menu code core alone: the same text loaded into a tree no window shows.
        std::string code;
        generateDocumentCode(tree, MenuKind::MainMenu, code);
        MenuTree detached;
        const double start = now();
        LoadCodeIntoTree(detached, code, MenuKind::MainMenu);
        report("load-core", label, now() - start);
    }
    timeOperation("collapse-all", label, *window,
                  [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_MENU_COLLAPSE_ALL, 0); });
    timeOperation("expand-all", label, *window,
                  [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_MENU_EXPAND_ALL, 0); });
    timeOperation("tab-to-code", label, *window, [&] { clickTab(*window, EditorTab::MenuCode); });
    timeOperation("tab-to-tree", label, *window, [&] { clickTab(*window, EditorTab::MenuTree); });
    timeOperation("tab-to-code-again", label, *window, [&] { clickTab(*window, EditorTab::MenuCode); });
    timeOperation("tab-to-tree-again", label, *window, [&] { clickTab(*window, EditorTab::MenuTree); });

    // Paste: the biggest menu copied and pasted into the last top-level menu.
    const NodeHandle big = biggestMenu(tree);
    tree.selectNode(big);
    SetFocus(window->controls().tree);
    SendMessageA(window->hwnd(), WM_COMMAND, ID_EDIT_COPY, 0);
    NodeHandle last = kNoNode;
    for (NodeHandle n = tree.firstTopLevel(); n != kNoNode; n = tree.nextSibling(n)) {
        if (tree.getKind(n) == NodeKind::Menu && n != big) {
            last = n;
        }
    }
    tree.selectNode(last);
    const size_t before = tree.nodeCount();
    timeOperation("paste", label, *window, [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_EDIT_PASTE, 0); });
    std::printf("pasted-nodes %s %zu\n", label.c_str(), tree.nodeCount() - before);

    // Delete of a top-level menu (after the question, which is the user's time),
    // recorded as Delete records it; then Undo and Redo of it.
    timeOperation("delete-menu", label, *window, [&] {
        RecordedChange change(*window);
        tree.deleteSubtree(big);
        change.finish(ChangeKind::Delete, NodeKind::Menu, "Big");
        applyCommandEnabling(*window);
    });
    timeOperation("undo-delete", label, *window, [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_EDIT_UNDO, 0); });
    timeOperation("redo-delete", label, *window, [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_EDIT_REDO, 0); });
    window->document().modified = false;
    DestroyWindow(window->hwnd());
    return 0;
}

// One item of a bare tree control: its parent's index in the list (-1: top level).
struct BareItem {
    int parent;
    std::string caption;
    int image;
    bool expanded;
};

// The document's nodes in pre-order, as a program that only shows them would hold them.
std::vector<BareItem> bareItems(const MenuTree& tree) {
    std::vector<BareItem> items;
    std::vector<std::pair<NodeHandle, int>> pending;
    for (NodeHandle n = tree.lastChild(kRootNode); n != kNoNode; n = tree.previousSibling(n)) {
        pending.emplace_back(n, -1);
    }
    while (!pending.empty()) {
        const auto [node, parent] = pending.back();
        pending.pop_back();
        const int index = static_cast<int>(items.size());
        items.push_back({parent, tree.caption(node), static_cast<int>(tree.getKind(node)), tree.isExpanded(node)});
        for (NodeHandle c = tree.lastChild(node); c != kNoNode; c = tree.previousSibling(c)) {
            pending.emplace_back(c, index);
        }
    }
    return items;
}

// A control of the same class, styles and size as one of the editor's, at the
// same place in a plain top-level window of the editor's size.
HWND bareTwin(HWND frame, HWND editorControl, const char* className) {
    RECT rect;
    GetWindowRect(editorControl, &rect);
    MapWindowPoints(nullptr, GetParent(editorControl), reinterpret_cast<POINT*>(&rect), 2);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(editorControl, GWL_STYLE)) | WS_VISIBLE;
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(editorControl, GWL_EXSTYLE));
    return CreateWindowExA(exStyle, className, "", style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// What the editor's window is measured against: a bare tree control with the
// editor's styles and image list, filled with the document's nodes in their
// nesting and expanded, with redraw off; and a bare multi-line edit with the
// editor's styles, font and tab stops given the document's code. Each in a
// window of the editor's size, timed until painted.
int baseline(const std::string& label, const std::string& file) {
    Program program;
    MainWindow* window = createMainWindow(program, false);
    if (!window) {
        return 2;
    }
    window->session().applyCommandLine("\"" + file + "\"");
    pumpAndPaint(window->hwnd());
    const std::vector<BareItem> items = bareItems(window->tree());
    std::string code;
    generateDocumentCode(window->tree(), MenuKind::MainMenu, code);
    window->tree().clearTree();

    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = "MeasureBareFrame";
    RegisterClassA(&frameClass);
    RECT outer;
    GetWindowRect(window->hwnd(), &outer);
    HWND frame = CreateWindowExA(0, frameClass.lpszClassName, "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, outer.left,
                                 outer.top, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                 frameClass.hInstance, nullptr);

    HWND tree = bareTwin(frame, window->controls().tree, WC_TREEVIEWA);
    TreeView_SetImageList(tree, TreeView_GetImageList(window->controls().tree, TVSIL_NORMAL), TVSIL_NORMAL);
    pumpAndPaint(frame);
    double start = now();
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    std::vector<HTREEITEM> handles(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const BareItem& item = items[i];
        TVINSERTSTRUCTA insert = {};
        insert.hParent = item.parent < 0 ? TVI_ROOT : handles[static_cast<size_t>(item.parent)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        insert.item.state = item.expanded ? TVIS_EXPANDED : 0;
        insert.item.stateMask = TVIS_EXPANDED;
        insert.item.pszText = const_cast<char*>(item.caption.c_str());
        insert.item.iImage = insert.item.iSelectedImage = item.image;
        insert.item.lParam = static_cast<LPARAM>(i + 1);
        handles[i] = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
    pumpAndPaint(frame);
    report("baseline-tree", label, now() - start);
    std::printf("baseline-tree-items %s %zu\n", label.c_str(), items.size());
    // What the filled control itself costs for any change it shows: laying
    // out its items again and painting them, the least a command that redraws
    // the tree can take; and emptying it.
    start = now();
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
    pumpAndPaint(frame);
    report("baseline-tree-redraw", label, now() - start);
    start = now();
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    report("baseline-tree-clear", label, now() - start);
    DestroyWindow(tree);

    HWND edit = bareTwin(frame, window->controls().codeEdit, "EDIT");
    SendMessageA(edit, EM_SETLIMITTEXT, SendMessageA(window->controls().codeEdit, EM_GETLIMITTEXT, 0, 0), 0);
    SendMessageA(edit, WM_SETFONT, SendMessageA(window->controls().codeEdit, WM_GETFONT, 0, 0), FALSE);
    // The code edit's tab stops (a control gives them to nobody).
    INT tabStop = kCodeTabWidth * 4;
    SendMessageA(edit, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    pumpAndPaint(frame);
    start = now();
    SetWindowTextA(edit, code.c_str());
    pumpAndPaint(frame);
    report("baseline-edit", label, now() - start);

    DestroyWindow(frame);
    window->document().modified = false;
    DestroyWindow(window->hwnd());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: measure_gui PROGRAM start | open LABEL FILE | edit LABEL FILE | baseline LABEL FILE\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::string what = argv[2];
    if (what == "start") {
        report("start", "empty", timeStart(program, "-menubar", "Untitled Menu Project"));
        return 0;
    }
    if (argc < 5) {
        return 2;
    }
    const std::string label = argv[3];
    const std::string file = argv[4];
    if (what == "open") {
        const std::string name = file.substr(file.find_last_of("\\/") + 1);
        report("open", label, timeStart(program, "\"" + file + "\"", name));
        return 0;
    }
    if (what == "baseline") {
        return baseline(label, file);
    }
    return what == "edit" ? edit(label, file) : 2;
}
