// fm-standin: a stand-in for FileMaker running the Varnex plug-in.
//
//   fm-standin.exe --scripts FILE --documents FILE [--grabber 6|7]
//                  [--app-class NAME] [--timeout SECONDS] [--silent]
//                  [--fault silent|silent-text|vanish|overlong]
//
// It creates the plug-in's hidden top-level window of class "Quorix Varnex
// 2.0 Grabber7" (or "...Grabber6"), which answers WM_USER (wParam 1: the open
// documents, 0: the scripts) by reading the named file, and WM_GETTEXT with the
// file's bytes exactly (names separated by line feeds), cut to the buffer it is
// given. The files are read again for every request, so a script added to the
// scripts file while the stand-in runs shows after the editor's "Refresh".
//
// It also creates FileMaker's application window (class NAME, "fmpro7app" by
// default) with an "MDIClient" child holding one document window per name in
// the documents file.
//
// --silent makes the plug-in window never answer a request, as a FileMaker
// stuck in a modal loop would. --fault plays a plug-in that misbehaves:
// "silent" is --silent; "silent-text" answers the request but never the
// WM_GETTEXT after it; "vanish" destroys its window on the request;
// "overlong" fills the whole text buffer with one name and no terminator and
// claims a length far beyond it. The stand-in exits on WM_CLOSE to either
// window (also while it hangs) or after the time-out (default 600 seconds).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string scriptsFile;
    std::string documentsFile;
    std::string pluginClass = "Quorix Varnex 2.0 Grabber7";
    std::string appClass = "fmpro7app";
    DWORD timeoutSeconds = 600;
    std::string fault;  // empty: answers as the plug-in does
};

struct StandIn {
    Options options;
    std::string answer;  // what WM_GETTEXT copies
    DWORD deadline = 0;  // tick count
};

std::string readFile(const std::string& path) {
    std::string bytes;
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

// Hangs inside a message, as a plug-in stuck in a modal loop: only WM_CLOSE
// (posted to any of the stand-in's windows) or the time-out ends it, and the
// process with it.
[[noreturn]] void hang(DWORD deadline) {
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE) || GetTickCount() >= deadline) {
            ExitProcess(0);
        }
        Sleep(20);
    }
}

// The stand-in travels with the plug-in window from its creation on.
LRESULT CALLBACK pluginProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    StandIn& standIn = *self;
    switch (message) {
        case WM_USER:
            if (standIn.options.fault == "silent") {
                hang(standIn.deadline);  // the caller's time limit must end its wait
            }
            if (standIn.options.fault == "vanish") {
                DestroyWindow(window);
                return 0;
            }
            standIn.answer = readFile(wParam == 1 ? standIn.options.documentsFile : standIn.options.scriptsFile);
            return 0;
        case WM_GETTEXT: {
            if (standIn.options.fault == "silent-text") {
                hang(standIn.deadline);
            }
            if (wParam == 0 || !lParam) {
                return 0;
            }
            if (standIn.options.fault == "overlong") {
                std::memset(reinterpret_cast<char*>(lParam), 'x', wParam);
                return 0x7FFFFFFF;
            }
            const size_t length = std::min<size_t>(std::strlen(standIn.answer.c_str()), wParam - 1);
            std::memcpy(reinterpret_cast<char*>(lParam), standIn.answer.data(), length);
            reinterpret_cast<char*>(lParam)[length] = '\0';
            return static_cast<LRESULT>(length);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(std::strlen(standIn.answer.c_str()));
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The MDI client is kept in the frame's user data.
LRESULT CALLBACK applicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto client = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_CREATE: {
            CLIENTCREATESTRUCT create = {};
            client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                                     window, nullptr, GetModuleHandleA(nullptr), &create);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
            return client ? 0 : -1;
        }
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefFrameProcA(window, client, message, wParam, lParam);
    }
}

LRESULT CALLBACK documentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(window, message, wParam, lParam);
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--silent") {
            options.fault = "silent";
        } else if (arg == "--fault" && hasValue) {
            options.fault = argv[++i];
            if (options.fault != "silent" && options.fault != "silent-text" && options.fault != "vanish" &&
                options.fault != "overlong") {
                return false;
            }
        } else if (arg == "--scripts" && hasValue) {
            options.scriptsFile = argv[++i];
        } else if (arg == "--documents" && hasValue) {
            options.documentsFile = argv[++i];
        } else if (arg == "--grabber" && hasValue) {
            const std::string generation = argv[++i];
            if (generation != "6" && generation != "7") {
                return false;
            }
            options.pluginClass = "Quorix Varnex 2.0 Grabber" + generation;
        } else if (arg == "--app-class" && hasValue) {
            options.appClass = argv[++i];
        } else if (arg == "--timeout" && hasValue) {
            options.timeoutSeconds = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            return false;
        }
    }
    return !options.scriptsFile.empty() && !options.documentsFile.empty();
}

bool registerClass(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    StandIn standIn;
    if (!parseOptions(argc, argv, standIn.options)) {
        MessageBoxA(nullptr,
                    "fm-standin.exe --scripts FILE --documents FILE [--grabber 6|7] [--app-class NAME] "
                    "[--timeout SECONDS] [--silent] [--fault silent|silent-text|vanish|overlong]",
                    "fm-standin", MB_OK);
        return 2;
    }
    standIn.deadline = GetTickCount() + standIn.options.timeoutSeconds * 1000;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const Options& options = standIn.options;
    if (!registerClass(options.pluginClass.c_str(), pluginProc) ||
        !registerClass(options.appClass.c_str(), applicationProc) ||
        !registerClass("FmStandInDocument", documentProc)) {
        return 1;
    }
    // A hidden top-level window: other processes find it by its class.
    HWND plugin = CreateWindowExA(0, options.pluginClass.c_str(), "Varnex", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, &standIn);
    HWND application = CreateWindowExA(0, options.appClass.c_str(), "FileMaker Pro (stand-in)", WS_OVERLAPPEDWINDOW, 40,
                                       40, 480, 360, nullptr, nullptr, instance, nullptr);
    if (!plugin || !application) {
        return 1;
    }
    HWND client = FindWindowExA(application, nullptr, "MDIClient", nullptr);
    for (const std::string& name : linesOf(readFile(options.documentsFile))) {
        CreateMDIWindowA("FmStandInDocument", name.c_str(), WS_VISIBLE | WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, 240, 160, client, instance, 0);
    }
    ShowWindow(application, SW_SHOWNOACTIVATE);
    SetTimer(nullptr, 0, options.timeoutSeconds * 1000, nullptr);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd) {
            break;
        }
        if (!TranslateMDISysAccel(client, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    DestroyWindow(application);
    DestroyWindow(plugin);
    return 0;
}
