// window-wait: waits for the editor's windows from outside, for scripts that
// drive it with real input under Wine (scripts/manual-shots).
//
//   window-wait.exe SECONDS TITLE...   waits until a visible top-level window
//       with one of the TITLEs is there and the thread that owns it is idle,
//       then prints "WIDTHxHEIGHT+X+Y": the rectangle around that thread's
//       visible windows with one of the TITLEs and its open menus, as far as
//       it is on the screen.
//   window-wait.exe --end SECONDS TITLE...   ends the process that owns such a
//       window and waits until it is gone.
//
// A TITLE is a window's whole title; one that ends in '*' is the title's
// beginning. "Idle" means: the owning thread answered three messages in a
// row within 100 ms each, 150 ms apart, so it is waiting for input with its
// windows painted, not busy with the last keystroke. Exit codes: 0 done;
// 1 no such window within SECONDS; 2 the window did not become idle (or its
// process did not end) within SECONDS; 3 a wrong command line. What went
// wrong is said on the error output.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Search {
    const std::vector<std::string>* titles;
    DWORD thread;  // 0: any thread
    HWND found;
    RECT bounds;
    bool any;
};

bool titleMatches(HWND window, const std::vector<std::string>& titles) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    for (const std::string& title : titles) {
        if (!title.empty() && title.back() == '*') {
            if (std::strncmp(text, title.c_str(), title.size() - 1) == 0) {
                return true;
            }
        } else if (title == text) {
            return true;
        }
    }
    return false;
}

bool isMenu(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32768") == 0;
}

BOOL CALLBACK visit(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (search->thread != 0 && thread != search->thread) {
        return TRUE;
    }
    const bool titled = titleMatches(window, *search->titles);
    if (titled && !search->found) {
        search->found = window;
    }
    if (titled || (search->thread != 0 && isMenu(window))) {
        RECT place;
        GetWindowRect(window, &place);
        if (!search->any) {
            search->bounds = place;
            search->any = true;
        } else {
            UnionRect(&search->bounds, &search->bounds, &place);
        }
    }
    return TRUE;
}

Search find(const std::vector<std::string>& titles, DWORD thread) {
    Search search = {&titles, thread, nullptr, {}, false};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search;
}

// Whether the window's thread handles a message at once.
bool answersAtOnce(HWND window) {
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0 &&
           GetTickCount() - start < 100;
}

std::string describe(const std::vector<std::string>& titles) {
    std::string text;
    for (const std::string& title : titles) {
        text += (text.empty() ? "\"" : " or \"") + title + "\"";
    }
    return text;
}

int waitIdle(DWORD deadline, const std::vector<std::string>& titles) {
    HWND window = nullptr;
    while (!window) {
        window = find(titles, 0).found;
        if (!window) {
            if (GetTickCount() > deadline) {
                std::fprintf(stderr, "window-wait: no window %s appeared\n", describe(titles).c_str());
                return 1;
            }
            Sleep(100);
        }
    }
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process)) {
        const DWORD now = GetTickCount();
        WaitForInputIdle(handle, deadline > now ? deadline - now : 0);
        CloseHandle(handle);
    }
    int prompt = 0;
    while (prompt < 3) {
        if (GetTickCount() > deadline) {
            std::fprintf(stderr, "window-wait: the window %s stayed busy\n", describe(titles).c_str());
            return 2;
        }
        prompt = answersAtOnce(window) ? prompt + 1 : 0;
        Sleep(150);
    }
    const Search search = find(titles, thread);
    if (!search.any) {
        std::fprintf(stderr, "window-wait: the window %s closed again\n", describe(titles).c_str());
        return 1;
    }
    // A maximised window's borders stand beyond the screen.
    RECT screen, r;
    GetWindowRect(GetDesktopWindow(), &screen);
    IntersectRect(&r, &search.bounds, &screen);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}

int end(DWORD deadline, const std::vector<std::string>& titles) {
    const HWND window = find(titles, 0).found;
    if (!window) {
        std::fprintf(stderr, "window-wait: no window %s to end\n", describe(titles).c_str());
        return 1;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process);
    if (!handle) {
        std::fprintf(stderr, "window-wait: the process of %s cannot be ended\n", describe(titles).c_str());
        return 2;
    }
    TerminateProcess(handle, 1);
    const DWORD now = GetTickCount();
    const bool ended = WaitForSingleObject(handle, deadline > now ? deadline - now : 0) == WAIT_OBJECT_0;
    CloseHandle(handle);
    if (!ended) {
        std::fprintf(stderr, "window-wait: the process of %s did not end\n", describe(titles).c_str());
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int at = 1;
    const bool ending = argc > 1 && std::strcmp(argv[1], "--end") == 0;
    if (ending) {
        ++at;
    }
    const int seconds = at < argc ? std::atoi(argv[at]) : 0;
    if (seconds <= 0 || at + 1 >= argc) {
        std::fprintf(stderr, "usage: window-wait [--end] SECONDS TITLE...\n");
        return 3;
    }
    const std::vector<std::string> titles(argv + at + 1, argv + argc);
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    return ending ? end(deadline, titles) : waitIdle(deadline, titles);
}
