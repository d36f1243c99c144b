#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "documents/document_files.h"
#include "platform/document_windows.h"
#include "platform/program_instance.h"
#include "platform/win32_document_files.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::ScratchFolder;

TEST(DocumentFiles, WritesExactlyTheBytesAndReadsThemBack) {
    ScratchFolder folder;
    Win32DocumentFiles files;
    std::string every;
    for (int c = 1; c < 256; ++c) {
        every.push_back(static_cast<char>(c));
    }
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.tsmb", ""},          {"lines.tsmn", "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n"},      {"ansi.qxtf", every},
        {"lone-cr.tsmb", "a\rb\nc"}, {"big.tsmb", std::string(kDocumentBufferSize - 1, 'x')},
    };
    for (const Case& c : cases) {
        std::string path = folder.file(c.name);
        EXPECT_EQ(files.writeFile(path, c.bytes), "") << c.name;
        EXPECT_EQ(ScratchFolder::read(path), c.bytes) << c.name;
        std::string bytes;
        std::string reason;
        EXPECT_EQ(files.readFile(path, kDocumentBufferSize, bytes, reason), ReadStatus::Ok) << c.name;
        EXPECT_EQ(bytes, c.bytes) << c.name;
        // Saving again replaces the whole content, never appends.
        EXPECT_EQ(files.writeFile(path, "x"), "") << c.name;
        EXPECT_EQ(ScratchFolder::read(path), "x") << c.name;
    }
    // Nothing but the documents is left beside them.
    EXPECT_EQ(folder.entries().size(), std::size(cases));
}

TEST(DocumentFiles, ReadingStopsAtTheFirstNulAndRefusesTooLargeFiles) {
    ScratchFolder folder;
    Win32DocumentFiles files;
    ASSERT_TRUE(ScratchFolder::write(folder.file("cut.tsmb"), std::string("FM_MENUBAR\0junk", 15)));
    ASSERT_TRUE(ScratchFolder::write(folder.file("limit.tsmb"), std::string(kDocumentBufferSize, 'x')));
    ASSERT_TRUE(ScratchFolder::write(folder.file("huge.tsmb"), std::string(3 * kDocumentBufferSize, 'x')));

    std::string bytes;
    std::string reason;
    ASSERT_EQ(files.readFile(folder.file("cut.tsmb"), kDocumentBufferSize, bytes, reason), ReadStatus::Ok);
    EXPECT_EQ(bytes.size(), 15u);
    EXPECT_EQ(documentText(bytes), "FM_MENUBAR");
    EXPECT_EQ(files.readFile(folder.file("limit.tsmb"), kDocumentBufferSize, bytes, reason), ReadStatus::TooLarge);
    EXPECT_EQ(files.readFile(folder.file("huge.tsmb"), kDocumentBufferSize, bytes, reason), ReadStatus::TooLarge);
    EXPECT_EQ(files.readFile(folder.file("missing.tsmb"), kDocumentBufferSize, bytes, reason), ReadStatus::CannotOpen);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(files.readFile(folder.path(), kDocumentBufferSize, bytes, reason), ReadStatus::CannotOpen);
}

TEST(DocumentFiles, RefusedWritesReportWhyAndLeaveTheOldFile) {
    ScratchFolder folder;
    Win32DocumentFiles files;
    std::string readOnly = folder.file("readonly.tsmb");
    std::string locked = folder.file("locked.tsmb");
    ASSERT_TRUE(ScratchFolder::write(readOnly, "old read-only"));
    ASSERT_TRUE(ScratchFolder::write(locked, "old locked"));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    // A read-only file, a locked file, a folder that is gone, a folder, an overlong path.
    const std::string paths[] = {readOnly, locked, folder.file("gone\\new.tsmb"), folder.path(),
                                 folder.file(std::string(300, 'n') + ".tsmb")};
    for (const std::string& path : paths) {
        EXPECT_FALSE(files.writeFile(path, "new text").empty()) << path;
    }
    CloseHandle(lock);
    EXPECT_EQ(ScratchFolder::read(locked), "old locked");
    EXPECT_EQ(ScratchFolder::read(readOnly), "old read-only");
    EXPECT_EQ(folder.entries().size(), 2u);
}

TEST(DocumentFiles, AWriteThatFailsHalfWayLeavesThePreviousFileWhole) {
    ScratchFolder folder;
    Win32DocumentFiles files;
    // Half the bytes reach the disk, then it is full.
    files.saveCalls.writeFile = [real = SaveCalls().writeFile](HANDLE file, const void* data, DWORD size,
                                                               DWORD* written) {
        real(file, data, size / 2, written);
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    };
    std::string existing = folder.file("Orders.tsmn");
    ASSERT_TRUE(ScratchFolder::write(existing, "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n"));

    std::string reason = files.writeFile(existing, std::string(10000, 'n'));
    EXPECT_EQ(reason, systemErrorText(ERROR_DISK_FULL));
    EXPECT_EQ(ScratchFolder::read(existing), "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n");
    // A new file that could not be written is not left behind empty or partial.
    EXPECT_FALSE(files.writeFile(folder.file("New.tsmb"), "FM_MENUBAR").empty());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Orders.tsmn"});

    // Writes that take only part of what they are given still save every byte.
    files.saveCalls.writeFile = [real = SaveCalls().writeFile](HANDLE file, const void* data, DWORD size,
                                                               DWORD* written) {
        return real(file, data, std::min<DWORD>(size, 777), written);
    };
    const std::string text(3 * kSaveChunkSize + 5, 'y');
    EXPECT_EQ(files.writeFile(existing, text), "");
    EXPECT_EQ(ScratchFolder::read(existing), text);
}

TEST(DocumentFiles, ListsFilesOfAPatternAndFindsTheProgramFolder) {
    ScratchFolder folder;
    Win32DocumentFiles files;
    for (const char* name : {"A,Browse.qxtf", "A,Find.qxtf", "Notes.txt"}) {
        ASSERT_TRUE(ScratchFolder::write(folder.file(name), "x"));
    }
    CreateDirectoryA(folder.file("Folder.qxtf").c_str(), nullptr);
    std::vector<std::string> names = files.listFiles(folder.path(), "*.qxtf");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A,Browse.qxtf", "A,Find.qxtf"}));
    EXPECT_TRUE(files.listFiles(folder.file("missing\\"), "*.qxtf").empty());

    EXPECT_TRUE(files.fileExists(folder.file("Notes.txt")));
    EXPECT_TRUE(files.fileExists(folder.path()));
    EXPECT_FALSE(files.fileExists(folder.file("missing.txt")));

    std::string program = ownProgramPath();
    ASSERT_GT(program.size(), 4u);
    EXPECT_EQ(program.substr(program.size() - 15), "shell_tests.exe");
    EXPECT_EQ(files.programFolder(), program.substr(0, program.size() - 15));
}

// A main window is matched to a document path as Windows matches file names:
// full paths, letter case ignored (also beyond ASCII), '/' read as '\'.
TEST(DocumentFiles, PathsAreComparedAsWindowsComparesThem) {
    ScratchFolder folder;
    const std::string file = folder.file("\xC4nderung.tsmn");
    ASSERT_TRUE(ScratchFolder::write(file, ""));
    std::string slashes = file;
    std::replace(slashes.begin(), slashes.end(), '\\', '/');
    const struct {
        std::string other;
        bool same;
    } cases[] = {
        {folder.file("\xE4NDERUNG.TSMN"), true},
        {folder.path() + "gone\\..\\\xC4nderung.tsmn", true},
        {slashes, true},
        {folder.file("\xC4nderung.tsmb"), false},
        {folder.file("Anderung.tsmn"), false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(samePath(file, c.other), c.same) << c.other;
    }
}

}  // namespace
}  // namespace tessary
