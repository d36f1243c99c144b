// Hostile documents given to the real program, on its command line (Tessary.exe
// started with the file) and through "Open..." (the file dialog of a main
// window): each gives a clear message or the right document, the program keeps
// answering, and the file on disk keeps its bytes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/document_files.h"
#include "documents/document_state.h"
#include "model/menu_tree.h"
#include "platform/clipboard.h"
#include "platform/win32_document_files.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "support/tessary_process.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::ScratchFolder;
using test::TessaryProcess;

std::string menuBar(const std::string& body) {
    return "FM_MENUBAR ( )\r\n{\r\n" + body + "}\r\n";
}

std::string menu(const std::string& caption, const std::string& body = {}) {
    return "FM_MENU ( \"" + caption + "\" )\r\n{\r\n" + body + "}\r\n";
}

std::string nested(int depth) {
    std::string code = "FM_MENUBAR ( )\r\n{\r\n";
    for (int i = 0; i < depth; ++i) {
        code += "FM_MENU ( \"M\" )\r\n{\r\n";
    }
    for (int i = 0; i < depth; ++i) {
        code += "}\r\n";
    }
    return code + "}\r\n";
}

// A menu bar of exactly size bytes: blanks the reader must pass before the last brace.
std::string padded(size_t size) {
    const std::string head = "FM_MENUBAR ( )\r\n{\r\n" + menu("Big");
    return head + std::string(size - head.size() - 3, ' ') + "}\r\n";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string highBytes() {
    std::string bytes;
    for (int c = 0x80; c <= 0xFF; ++c) {
        bytes.push_back(static_cast<char>(c));
    }
    return bytes;
}

// One hostile file: what it holds and what opening it gives.
struct Hostile {
    std::string name;
    std::string bytes;
    std::string message;  // the message shown; empty: the file opens as a main menu
    size_t nodes = 0;     // when it opens: the tree's nodes and its first node's caption
    std::string firstCaption;
    bool inCode = false;  // with the message: it opens in the "Menu Code" tab all the same
};

std::vector<Hostile> hostileDocuments() {
    const std::string parseError = "Error parsing file content!";
    // Reading stops where the menus nest too deep, in line 203.
    const std::string tooDeep = "Syntax incorrect in line 203";
    const std::string item = "FM_MENUSCRIPTITEM ( \"Item\", \"Script\" )\r\n";
    const std::string plain = menuBar(menu("A", item) + menu("B", item));
    return {
        {"Empty.tsmb", "", "Syntax incorrect in line 1", 0, "", true},
        {"Nuls.tsmb", std::string(0x10000, '\0'), parseError},
        {"Limit-1.tsmb", padded(kDocumentBufferSize - 1), "", 1, "Big"},
        {"Limit.tsmb", padded(kDocumentBufferSize), "too large"},
        {"Limit+1.tsmb", padded(kDocumentBufferSize + 1), "too large"},
        {"Caption249.tsmb", menuBar(menu(std::string(249, 'c'), item)), "", 2, std::string(249, 'c')},
        // Captions are cut to what a record holds.
        {"Caption250.tsmb", menuBar(menu(std::string(250, 'c'), item)), "", 2, std::string(249, 'c')},
        {"Caption10000.tsmb", menuBar(menu(std::string(10000, 'c'), item)), "", 2, std::string(249, 'c')},
        {"High.tsmb", menuBar(menu(highBytes(), replaced(item, "Item", highBytes()))), "", 2, highBytes()},
        {"LoneCr.tsmb", replaced(plain, "\r\n", "\r"), "", 4, "A"},
        {"LoneLf.tsmb", replaced(plain, "\r\n", "\n"), "", 4, "A"},
        {"Nested100.tsmb", nested(100), "", 100, "M"},
        {"Nested101.tsmb", nested(101), tooDeep, 0, "", true},
        {"Nested20000.tsmb", nested(20000), tooDeep, 0, "", true},
    };
}

// Paths of 259, 260 and 1,000 characters (the last two beyond what the
// program's paths hold), made with the system's long-path form.
std::string longPath(const ScratchFolder& folder, size_t length) {
    std::string path = folder.path();
    while (path.size() + 1 + 200 < length - 10) {
        path += std::string(200, 'd') + "\\";
    }
    path += std::string(length - path.size() - 5, 'f') + ".tsmb";
    return path;
}

std::wstring longForm(const std::string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

bool writeLong(const std::string& path, const std::string& bytes) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        CreateDirectoryW(longForm(path.substr(0, slash)).c_str(), nullptr);
    }
    HANDLE file = CreateFileW(longForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return written == bytes.size();
}

void removeLong(const ScratchFolder& folder, const std::string& path) {
    DeleteFileW(longForm(path).c_str());
    for (size_t slash = path.rfind('\\'); slash > folder.path().size(); slash = path.rfind('\\', slash - 1)) {
        RemoveDirectoryW(longForm(path.substr(0, slash)).c_str());
    }
}

std::string tooLarge(const std::string& path) {
    return formatString(IDS_FILE_TOO_LARGE, path);
}

std::string cannotOpen(const std::string& path, const std::string& reason) {
    return formatString(IDS_OPEN_FAILED, path, reason);
}

class HostileDocumentsTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        test::MainWindowFixture::SetUp();
        for (const Hostile& h : hostileDocuments()) {
            ASSERT_TRUE(ScratchFolder::write(folder.file(h.name), h.bytes)) << h.name;
        }
    }

    std::string expectedMessage(const Hostile& h) const {
        return h.message == "too large" ? tooLarge(folder.file(h.name)) : h.message;
    }

    // Opens the file through "Open..." and returns the message shown, if any.
    std::string openThroughDialog(const std::string& path) {
        DialogDriver driver;
        driver.next([&](HWND dialog) {
            SetWindowTextA(GetDlgItem(dialog, 0x47C), path.c_str());
            DialogDriver::press(dialog, IDOK);
        });
        std::string text;
        driver.answerMessageBox(IDOK, &text);
        command(ID_FILE_OPEN);
        test::pumpPending();
        EXPECT_EQ(driver.dialogsSeen(), text.empty() ? 1 : 2) << path;
        return text;
    }

    ScratchFolder folder;
};

TEST_F(HostileDocumentsTest, ThroughOpenEachGivesAMessageOrTheRightDocument) {
    const std::string untitled = "Tessary - Untitled Menu Project  (Main Menu)";
    for (const Hostile& h : hostileDocuments()) {
        command(ID_FILE_NEW_MAIN);
        EXPECT_EQ(openThroughDialog(folder.file(h.name)), expectedMessage(h)) << h.name;
        if (h.message.empty()) {
            EXPECT_EQ(title(), "Tessary - " + h.name + "  (Main Menu)");
            EXPECT_EQ(tree().nodeCount(), h.nodes) << h.name;
            EXPECT_EQ(tree().caption(tree().firstTopLevel()), h.firstCaption) << h.name;
        } else if (h.inCode) {
            EXPECT_EQ(title(), "Tessary - " + h.name + "  (Main Menu)");
            EXPECT_EQ(window->currentTab(), EditorTab::MenuCode) << h.name;
            EXPECT_EQ(codeText(), h.bytes) << h.name;
            EXPECT_EQ(tree().nodeCount(), 0u) << h.name;
        } else {
            EXPECT_EQ(title(), untitled) << h.name;
            EXPECT_EQ(tree().nodeCount(), 0u) << h.name;
        }
        EXPECT_FALSE(document().modified) << h.name;
        EXPECT_TRUE(tree().checkInvariants()) << h.name;
        EXPECT_EQ(ScratchFolder::read(folder.file(h.name)), h.bytes) << h.name;
    }

    // Paths at and past the length a path may have. The file dialog itself
    // refuses the longer ones and stays open; it is cancelled then.
    for (size_t length : {259u, 260u, 1000u}) {
        command(ID_FILE_NEW_MAIN);
        const std::string path = longPath(folder, length);
        ASSERT_EQ(path.size(), length);
        ASSERT_TRUE(writeLong(path, menuBar(menu("Far")))) << length;
        if (length == 259) {
            EXPECT_EQ(openThroughDialog(path), "");
            EXPECT_EQ(tree().caption(tree().firstTopLevel()), "Far");
        } else {
            DialogDriver driver;
            HWND open = nullptr;
            size_t pasted = 0;
            driver.next([&](HWND dialog) {
                open = dialog;
                // Pasted into the file name box once the dialog is ready, as a user would.
                driver.later([&] {
                    HWND combo = GetDlgItem(open, 0x47C);
                    setClipboardText(path);
                    SendMessageA(reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0)), WM_PASTE, 0,
                                 0);
                    pasted = DialogDriver::windowText(combo).size();
                    DialogDriver::press(open, IDOK);
                });
            });
            std::string text;
            driver.next([&](HWND box) {
                text = DialogDriver::messageText(box);
                DialogDriver::press(box, IDOK);
                driver.later([&] { DialogDriver::press(open, IDCANCEL); });
            });
            command(ID_FILE_OPEN);
            EXPECT_EQ(driver.dialogsSeen(), 2) << length;
            // The box takes no more than a path may hold.
            EXPECT_EQ(pasted, kMaxPathLength) << length;
            EXPECT_FALSE(text.empty()) << length;
            EXPECT_EQ(title(), untitled) << length;
        }
        removeLong(folder, path);
    }

    // A file that vanishes once the dialog has taken it, before it is read.
    const std::string vanishing = folder.file("Vanishing.tsmb");
    ASSERT_TRUE(ScratchFolder::write(vanishing, menuBar(menu("Gone"))));
    static std::string sVanishing;
    sVanishing = vanishing;
    struct Hook {
        static LRESULT CALLBACK proc(int code, WPARAM wParam, LPARAM lParam) {
            char name[16] = {};
            if (code == HCBT_DESTROYWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
                std::string(name) == "#32770") {
                DeleteFileA(sVanishing.c_str());
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        }
    };
    HHOOK hook = SetWindowsHookExA(WH_CBT, Hook::proc, nullptr, GetCurrentThreadId());
    command(ID_FILE_NEW_MAIN);
    const std::string message = openThroughDialog(vanishing);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(message, cannotOpen(vanishing, systemErrorText(ERROR_FILE_NOT_FOUND)));
    EXPECT_EQ(title(), untitled);
}

TEST_F(HostileDocumentsTest, FromTheCommandLineEachGivesAMessageOrTheRightDocument) {
    struct Case {
        std::string path;
        std::string message;  // empty: the document opens
        std::string bytes;
        bool inCode = false;  // with the message: the document opens all the same
    };
    std::vector<Case> cases;
    for (const Hostile& h : hostileDocuments()) {
        cases.push_back({folder.file(h.name), expectedMessage(h), h.bytes, h.inCode});
    }
    std::vector<std::string> longPaths;
    for (size_t length : {259u, 260u, 1000u}) {
        const std::string path = longPath(folder, length);
        ASSERT_TRUE(writeLong(path, menuBar(menu("Far"))));
        longPaths.push_back(path);
        cases.push_back({path, length == 259 ? "" : cannotOpen(path, "The path is too long."), menuBar(menu("Far"))});
    }
    // Gone between being listed and being opened.
    cases.push_back(
        {folder.file("Gone.tsmb"), cannotOpen(folder.file("Gone.tsmb"), systemErrorText(ERROR_FILE_NOT_FOUND))});

    for (const Case& c : cases) {
        const std::string name = c.path.substr(c.path.rfind('\\') + 1);
        TessaryProcess tessary;
        ASSERT_TRUE(tessary.start("\"" + c.path + "\""));
        HWND window = nullptr;
        if (c.message.empty()) {
            window = tessary.waitForTitle(name + "  (Main Menu)");
            ASSERT_NE(window, nullptr) << name;
        } else {
            HWND box = tessary.waitForDialog();
            ASSERT_NE(box, nullptr) << name;
            EXPECT_EQ(DialogDriver::messageText(box), c.message) << name;
            EXPECT_EQ(DialogDriver::windowText(box), "Quorix Tessary");
            DialogDriver::press(box, IDOK);
            window = tessary.waitForTitle(c.inCode ? name + "  (Main Menu)" : "Untitled Menu Project");
            ASSERT_NE(window, nullptr) << name;
        }
        EXPECT_TRUE(TessaryProcess::responds(window)) << name;
        EXPECT_EQ(tessary.closeAndWait(window), 0) << name;
        if (!c.bytes.empty() && c.path.size() < MAX_PATH) {
            EXPECT_EQ(ScratchFolder::read(c.path), c.bytes) << name;
        }
    }
    for (const std::string& path : longPaths) {
        removeLong(folder, path);
    }
}

}  // namespace
}  // namespace tessary
