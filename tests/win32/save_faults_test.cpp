// Save under injected faults: each system call of a save made to fail in turn
// (opening the document, naming and opening the new text's file, each write,
// the flush, the close, the replacement), and a read-only and a locked
// document. Every time the file on disk keeps its old bytes, nothing is left
// beside it, the user is told why, and the document stays marked as changed.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/startup.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::ScratchFolder;

// A context menu whose code takes several write calls.
std::string largeContextMenu() {
    std::string code = "FM_CONTEXTMENU ( )\r\n{\r\n";
    for (int i = 0; code.size() < 2 * kSaveChunkSize + kSaveChunkSize / 2; ++i) {
        code += "FM_MENUSCRIPTITEM ( \"Item " + std::to_string(i) + "\", \"Script " + std::to_string(i) + "\" )\r\n";
    }
    return code + "}\r\n";
}

enum class Step { OpenDocument, NameTemporary, OpenTemporary, Write, Flush, Close, Replace };

// Makes the at-th call of the step fail with the error; every other call is real.
void injectFault(SaveCalls& calls, Step step, int at, DWORD error) {
    const SaveCalls real;
    auto count = std::make_shared<int>(0);
    auto failsNow = [count, at] { return ++*count == at; };
    switch (step) {
        case Step::OpenDocument:
        case Step::OpenTemporary:
            calls.createFile = [=](const char* path, DWORD access, DWORD share, DWORD disposition) {
                if (failsNow()) {
                    SetLastError(error);
                    return INVALID_HANDLE_VALUE;
                }
                return real.createFile(path, access, share, disposition);
            };
            break;
        case Step::NameTemporary:
            calls.tempFileName = [=](const char* folder, char* name) -> UINT {
                if (failsNow()) {
                    SetLastError(error);
                    return 0;
                }
                return real.tempFileName(folder, name);
            };
            break;
        case Step::Write:
            // Part of the bytes reach the disk before the failure.
            calls.writeFile = [=](HANDLE file, const void* data, DWORD size, DWORD* written) -> BOOL {
                if (failsNow()) {
                    real.writeFile(file, data, size / 3, written);
                    SetLastError(error);
                    return FALSE;
                }
                return real.writeFile(file, data, size, written);
            };
            break;
        case Step::Flush:
            calls.flushFileBuffers = [=](HANDLE file) -> BOOL {
                if (failsNow()) {
                    SetLastError(error);
                    return FALSE;
                }
                return real.flushFileBuffers(file);
            };
            break;
        case Step::Close:
            // The handle is gone, but the close reports a failed delayed write.
            calls.closeHandle = [=](HANDLE file) -> BOOL {
                const BOOL closed = real.closeHandle(file);
                if (failsNow()) {
                    SetLastError(error);
                    return FALSE;
                }
                return closed;
            };
            break;
        case Step::Replace:
            calls.moveFile = [=](const char* from, const char* to) -> BOOL {
                if (failsNow()) {
                    SetLastError(error);
                    return FALSE;
                }
                return real.moveFile(from, to);
            };
            break;
    }
}

class SaveFaultsTest : public test::MainWindowFixture {};

TEST_F(SaveFaultsTest, EveryFailedStepKeepsTheOldFileTellsTheUserAndKeepsTheChanges) {
    ScratchFolder folder;
    const std::string path = folder.file("Big.tsmn");
    const std::string old = largeContextMenu();
    ASSERT_TRUE(ScratchFolder::write(path, old));
    applyStartupCommandLine(*window, ("\"" + path + "\"").c_str());
    test::pumpPending();
    ASSERT_EQ(title(), "Tessary - Big.tsmn  (Context Menu)");
    tree().deleteSubtree(tree().firstTopLevel());
    document().setModified(true);

    struct Case {
        const char* name;
        Step step;
        int at;
        DWORD error;
    } cases[] = {
        {"open the document", Step::OpenDocument, 1, ERROR_SHARING_VIOLATION},
        {"name the new file", Step::NameTemporary, 1, ERROR_DISK_FULL},
        {"open the new file", Step::OpenTemporary, 2, ERROR_ACCESS_DENIED},
        {"first write", Step::Write, 1, ERROR_DISK_FULL},
        {"second write", Step::Write, 2, ERROR_DISK_FULL},
        {"third write", Step::Write, 3, ERROR_HANDLE_DISK_FULL},
        {"flush", Step::Flush, 1, ERROR_WRITE_FAULT},
        {"close", Step::Close, 1, ERROR_NETNAME_DELETED},
        {"replace", Step::Replace, 1, ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        program.files.saveCalls = SaveCalls();
        injectFault(program.files.saveCalls, c.step, c.at, c.error);
        DialogDriver driver;
        std::string text;
        driver.answerMessageBox(IDOK, &text);
        command(ID_FILE_SAVE);
        EXPECT_EQ(driver.dialogsSeen(), 1) << c.name;
        EXPECT_EQ(text,
                  formatString(IDS_SAVE_FAILED, path,
                               (c.step == Step::NameTemporary ? "Cannot create a file beside the document: " : "") +
                                   systemErrorText(c.error)))
            << c.name;
        EXPECT_EQ(ScratchFolder::read(path), old) << c.name;
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"Big.tsmn"}) << c.name;
        EXPECT_TRUE(document().modified) << c.name;
        EXPECT_EQ(title(), "Tessary - Big.tsmn* (Context Menu)") << c.name;
    }

    // A read-only document, and one another program holds open.
    program.files.saveCalls = SaveCalls();
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE lock = nullptr;
    for (bool locked : {false, true}) {
        if (locked) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        }
        DialogDriver driver;
        std::string text;
        driver.answerMessageBox(IDOK, &text);
        command(ID_FILE_SAVE);
        EXPECT_EQ(text.find("Can not save file \"" + path + "\" - "), 0u) << text;
        EXPECT_TRUE(document().modified) << locked;
    }
    CloseHandle(lock);
    EXPECT_EQ(ScratchFolder::read(path), old);

    // Once nothing fails the save goes through.
    command(ID_FILE_SAVE);
    EXPECT_FALSE(document().modified);
    std::string saved;
    ASSERT_TRUE(generateDocumentCode(tree(), MenuKind::ContextMenu, saved));
    EXPECT_EQ(ScratchFolder::read(path), saved);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Big.tsmn"});
}

}  // namespace
}  // namespace tessary
