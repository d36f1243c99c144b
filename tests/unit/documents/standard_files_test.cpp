#include "documents/standard_files.h"

#include <gtest/gtest.h>

#include "documents/document_fakes.h"

namespace tessary {
namespace {

using test::FakeFiles;
using test::FakeTree;

constexpr const char* kTemplates = "C:\\Tessary\\Templates\\";
constexpr const char* kStandard = "C:\\Tessary\\Templates\\FileMaker Menus\\";

std::string readAll(StandardFileList& list) {
    std::string names;
    char buffer[256];
    while (size_t length = list.nextStandardName(buffer, sizeof buffer)) {
        EXPECT_EQ(length, std::strlen(buffer));
        names += std::string(buffer) + ";";
    }
    return names;
}

TEST(StandardFiles, FoldersHangBelowTheProgramFolder) {
    EXPECT_EQ(templateFolder("C:\\Tessary\\", true), kTemplates);
    EXPECT_EQ(templateFolder("C:\\Tessary\\", false), kStandard);
    EXPECT_EQ(templateFolder("", true), "");
    // Both folders fail alike when the longer one would not fit a path.
    std::string deep = "C:\\" + std::string(229, 'd') + "\\";
    EXPECT_EQ(templateFolder(deep, false).size(), deep.size() + 26);
    std::string deeper = "C:\\" + std::string(230, 'd') + "\\";
    EXPECT_EQ(templateFolder(deeper, true), "");
    EXPECT_EQ(templateFolder(deeper, false), "");
}

TEST(StandardFiles, ListsDistinctDisplayNamesInFileSystemOrder) {
    FakeFiles files;
    for (const char* name : {"Invoice.qxtf", "Orders.v2.qxtf", "Invoice.old.qxtf", "Notes.txt"}) {
        files.add(std::string(kTemplates) + name, "main");
    }
    for (const char* name : {"FileMaker 7,Browse.qxtf", "FileMaker 6,Find.qxtf", "FileMaker 7,Find.qxtf",
                             "FileMaker 6,Browse.qxtf", "Odd.qxtf"}) {
        files.add(std::string(kStandard) + name, "main");
    }
    struct Case {
        const char* filter;
        bool templatesOnly;
        int count;
        const char* names;
    } cases[] = {
        {"", true, 3, "Invoice;Orders;"},
        {"", false, 5, "FileMaker 7;FileMaker 6;Odd.qxtf;"},
        {"FileMaker 7", false, 2, "Browse;Find;"},
        {"FileMaker 6", false, 2, "Find;Browse;"},
        {"filemaker 6", false, 0, ""},
        {"Browse", false, 2, "Browse;"},
    };
    StandardFileList list(files);
    for (const Case& c : cases) {
        EXPECT_EQ(list.listStandardFiles(c.filter, c.templatesOnly), c.count) << c.filter << c.templatesOnly;
        EXPECT_EQ(readAll(list), c.names) << c.filter << c.templatesOnly;
    }
}

TEST(StandardFiles, MissingFolderListsNothingAndLoadsNothing) {
    FakeFiles files;
    FakeTree tree;
    tree.content = "old";
    StandardFileList list(files);
    EXPECT_EQ(list.listStandardFiles("", true), 0);
    char buffer[16] = "x";
    EXPECT_EQ(list.nextStandardName(buffer, sizeof buffer), 0u);
    EXPECT_FALSE(loadStandardFile(files, tree, true, "Invoice", ""));
    EXPECT_EQ(tree.content, "");  // emptied before the file was looked for
    files.program.clear();
    EXPECT_EQ(list.listStandardFiles("", false), 0);
}

TEST(StandardFiles, LongNamesAreCutToTheCallersBufferAndTheListKeepsItsCapacity) {
    FakeFiles files;
    files.add(std::string(kTemplates) + std::string(300, 'n') + ".qxtf", "main");
    StandardFileList list(files);
    ASSERT_EQ(list.listStandardFiles("", true), 1);
    char small[8];
    EXPECT_EQ(list.nextStandardName(small, sizeof small), 7u);
    EXPECT_STREQ(small, "nnnnnnn");

    FakeFiles many;
    for (int i = 0; i < 100; ++i) {
        many.add(std::string(kTemplates) + std::string(60, 'a' + i % 26) + std::to_string(i) + ".qxtf", "main");
    }
    StandardFileList big(many);
    EXPECT_EQ(big.listStandardFiles("", true), 100);
    size_t used = 0;
    for (const std::string& name : big.names()) {
        used += name.size() + 1;
    }
    EXPECT_LT(used, kStandardListCapacity);
    EXPECT_GT(big.names().size(), 50u);
    EXPECT_LT(big.names().size(), 100u);
}

TEST(StandardFiles, LoadsATemplateOrAStandardMenuAsAMainMenuFromAFile) {
    FakeFiles files;
    files.add(std::string(kTemplates) + "Invoice.qxtf", std::string("main invoice\0junk", 17));
    files.add(std::string(kStandard) + "FileMaker 7,Find.qxtf", "main find");
    struct Case {
        bool templatesOnly;
        const char* name;
        const char* mode;
        bool loads;
        const char* content;
    } cases[] = {
        {true, "Invoice", "", true, "main invoice"},
        {false, "FileMaker 7", "Find", true, "main find"},
        {false, "FileMaker 7", "Browse", false, ""},
        {true, "FileMaker 7", "Find", false, ""},
    };
    for (const Case& c : cases) {
        FakeTree tree;
        tree.content = "previous";
        EXPECT_EQ(loadStandardFile(files, tree, c.templatesOnly, c.name, c.mode), c.loads) << c.name << c.mode;
        EXPECT_EQ(tree.content, c.content);
        EXPECT_EQ(tree.loads, c.loads ? std::vector<std::string>{"main/file"} : std::vector<std::string>{});
        EXPECT_EQ(tree.collapses, c.loads ? 1 : 0);
    }
}

}  // namespace
}  // namespace tessary
