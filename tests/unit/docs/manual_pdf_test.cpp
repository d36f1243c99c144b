// The built manual "Tessary 2 Manual.pdf": a real PDF of more than ten pages
// whose text holds every chapter. The manual is built by scripts/package (or
// the build target `manual`) into the Windows build's bin folder, or is named
// by TESSARY_MANUAL_PDF; without it the test is skipped, not passed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string manualPath() {
    if (const char* path = std::getenv("TESSARY_MANUAL_PDF")) {
        return path;
    }
    return std::string(TESSARY_SOURCE_DIR) + "/build/win32/bin/Tessary 2 Manual.pdf";
}

std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t read = fread(buffer, 1, sizeof buffer, pipe)) {
            text.append(buffer, read);
        }
        pclose(pipe);
    }
    return text;
}

TEST(ManualPdf, HasMoreThanTenPagesAndEveryChapter) {
    const std::string path = manualPath();
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "the manual is not built (scripts/package builds it): " << path;
    }
    if (output("command -v pdftotext pdfinfo").empty()) {
        GTEST_SKIP() << "pdftotext and pdfinfo are not installed (scripts/setup --package installs them)";
    }
    const std::string quoted = "'" + path + "'";
    std::string info = output("pdfinfo " + quoted);
    size_t pages = info.find("Pages:");
    ASSERT_NE(pages, std::string::npos) << info;
    EXPECT_GT(std::atoi(info.c_str() + pages + 6), 10);

    // pdftotext keeps the words of a title, though not always its line breaks.
    std::string text = output("pdftotext -raw " + quoted + " - | tr -s ' \\n' '  '");
    for (const char* chapter :
         {"Introduction", "First Start and the Wizard", "The Main Window", "Building a Menu", "Platforms",
          "Keyboard Shortcuts", "The Mac Application Menu and System Items", "The Menu Code Tab and the Syntax Check",
          "Previewing a Menu", "Copying Menu Code into FileMaker", "Templates and Standard FileMaker Menus",
          "The Command Line", "tessary-cli", "Menu Code Reference"}) {
        EXPECT_NE(text.find(chapter), std::string::npos) << chapter;
    }
}

}  // namespace
