// Times the editor's slow paths under Wine, as a user meets them:
//   measure_gui PROGRAM start                  start with an empty main menu
//   measure_gui PROGRAM open LABEL FILE        start with FILE, until its title shows
//   measure_gui PROGRAM edit LABEL FILE        editing commands on FILE in a main
//                                              window of this process
// Each line printed is "OPERATION LABEL SECONDS". A start or an open is a new
// Tessary.exe process, timed until its main window's title names the document;
// an editing command is timed until the window has processed and painted it.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "documents/document_files.h"
#include "editor/tree_editing.h"
#include "menucode/code_tree.h"
#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/tree_commands.h"

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

int edit(const std::string& label, const std::string& file) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Program program;
    program.launchCopy = [](int, std::string_view) {};
    program.loadAccelerators();
    MainWindow* window = MainWindow::create(program, true, true);
    if (!window) {
        return 2;
    }
    timeOperation("open-in-window", label, *window,
                  [&] { window->session().applyCommandLine("\"" + file + "\""), pumpAndPaint(window->hwnd()); });
    MenuTree& tree = window->tree();
    {
        // The menu code core alone: the same text loaded into a tree no window shows.
        std::string code;
        generateDocumentCode(tree, MenuKind::MainMenu, false, code);
        MenuTree detached;
        const double start = now();
        LoadCodeIntoTree(detached, code, MenuKind::MainMenu);
        report("load-core", label, now() - start);
    }
    timeOperation("collapse-all", label, *window,
                  [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_MENU_COLLAPSE_ALL, 0); });
    timeOperation("expand-all", label, *window, [&] { SendMessageA(window->hwnd(), WM_COMMAND, ID_MENU_EXPAND_ALL, 0); });
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

    // Delete of a top-level menu (after the question, which is the user's time).
    timeOperation("delete-menu", label, *window, [&] {
        tree.deleteSubtree(big);
        applyCommandEnabling(*window);
    });
    window->document().modified = false;
    DestroyWindow(window->hwnd());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: measure_gui PROGRAM start | open LABEL FILE | edit LABEL FILE\n");
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
    return what == "edit" ? edit(label, file) : 2;
}
