// The built manual "Tessary 2 Manual.pdf": a real PDF of more than ten pages
// whose text holds every chapter, that says what the program does where it once
// did not, and whose pages are filled. The manual is built by scripts/package
// (or the build target `manual`) into the Windows build's bin folder, or is
// named by TESSARY_MANUAL_PDF; without it the tests are skipped, not passed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

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

// The chapters in their order, the quick start first.
const std::vector<std::string> kChapters = {"Quick Start",
                                            "Introduction",
                                            "First Start and the Wizard",
                                            "The Main Window",
                                            "Building a Menu",
                                            "Platforms",
                                            "Keyboard Shortcuts",
                                            "The Mac Application Menu and System Items",
                                            "The Menu Code Tab and the Syntax Check",
                                            "Previewing a Menu",
                                            "Copying Menu Code into FileMaker",
                                            "Templates and Standard FileMaker Menus",
                                            "The Command Line",
                                            "tessary-cli",
                                            "Menu Code Reference"};

class ManualPdf : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(manualPath())) {
            GTEST_SKIP() << "the manual is not built (scripts/package builds it): " << manualPath();
        }
        if (output("command -v pdftotext pdfinfo").empty()) {
            GTEST_SKIP() << "pdftotext and pdfinfo are not installed (scripts/setup --package installs them)";
        }
    }

    static std::string quoted() { return "'" + manualPath() + "'"; }

    // pdftotext keeps the words of a title, though not always its line breaks:
    // the text with every run of blanks and line breaks as one blank.
    static std::string text() { return output("pdftotext -raw " + quoted() + " - | tr -s ' \\n' '  '"); }

    // The text of a chapter, from its title after the contents to the next title.
    static std::string chapterText(const std::string& all, const std::string& chapter) {
        const size_t start = all.rfind(chapter);
        auto at = std::find(kChapters.begin(), kChapters.end(), chapter);
        if (start == std::string::npos || at == kChapters.end()) {
            return {};
        }
        const size_t end = ++at == kChapters.end() ? std::string::npos : all.find(*at, start);
        return all.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }
};

TEST_F(ManualPdf, HasMoreThanTenPagesAndEveryChapter) {
    std::string info = output("pdfinfo " + quoted());
    size_t pages = info.find("Pages:");
    ASSERT_NE(pages, std::string::npos) << info;
    EXPECT_GT(std::atoi(info.c_str() + pages + 6), 10);

    const std::string all = text();
    for (const std::string& chapter : kChapters) {
        EXPECT_NE(all.find(chapter), std::string::npos) << chapter;
    }
}

// Claims the manual once got wrong stay corrected: in the chapter, every
// phrase of `says` is there and the wrong claim is not.
TEST_F(ManualPdf, CorrectedClaimsStayCorrected) {
    struct Claim {
        const char* chapter;
        std::vector<const char*> says;
        const char* notAnyMore;
    };
    const Claim claims[] = {
        // The editor's line numbers skip empty lines.
        {"The Menu Code Tab and the Syntax Check", {"empty lines are not counted"}, "as the editor shows them"},
        // Copy String Code's text is a valid calculation in one FileMaker generation only.
        {"Copying Menu Code into FileMaker", {"FileMaker 5", "FileMaker 7"}, "so that the text is a valid text constant"},
    };
    const std::string all = text();
    for (const Claim& claim : claims) {
        const std::string chapter = chapterText(all, claim.chapter);
        ASSERT_FALSE(chapter.empty()) << claim.chapter;
        for (const char* phrase : claim.says) {
            EXPECT_NE(chapter.find(phrase), std::string::npos) << claim.chapter << ": " << phrase;
        }
        EXPECT_EQ(chapter.find(claim.notAnyMore), std::string::npos) << claim.chapter << ": " << claim.notAnyMore;
    }

    // Every file name the manual gives for a download has the build's version.
    const std::regex download("Tessary-([0-9.]+)-(setup\\.exe|win32\\.zip)");
    int names = 0;
    for (auto it = std::sregex_iterator(all.begin(), all.end(), download); it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[1].str(), TESSARY_VERSION) << it->str();
        ++names;
    }
    EXPECT_GE(names, 2);
}

// No page is more than two-thirds empty, except the last page of a chapter
// (the next page begins with a chapter's title, or there is none): on each
// page the text, figure captions included, reaches down at least a third of
// the height that text takes on the fullest page. A count of lines would call
// a page full of screenshots empty; where the text ends does not.
TEST_F(ManualPdf, NoPageIsMoreThanTwoThirdsEmpty) {
    struct Page {
        double height = 0;
        double top = 1e9;     // of its first line of text, running title and page number left out
        double bottom = 0;    // of its last line
        std::string firstLine;
    };
    std::vector<Page> pages;
    const std::string boxes = output("pdftotext -bbox " + quoted() + " -");
    const std::regex pageTag("<page width=\"[0-9.]+\" height=\"([0-9.]+)\">");
    const std::regex word("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    size_t at = 0;
    std::smatch match;
    while (at < boxes.size()) {
        const size_t next = boxes.find("<page ", at + 1);
        const std::string part = boxes.substr(at, next == std::string::npos ? std::string::npos : next - at);
        at = next == std::string::npos ? boxes.size() : next;
        if (!std::regex_search(part, match, pageTag)) {
            continue;
        }
        Page page;
        page.height = std::stod(match[1].str());
        std::vector<std::pair<double, std::string>> words;
        for (auto it = std::sregex_iterator(part.begin(), part.end(), word); it != std::sregex_iterator(); ++it) {
            const double yMin = std::stod((*it)[1].str());
            const double yMax = std::stod((*it)[2].str());
            // The running title and the page number stand in the margins.
            if (yMax < 0.06 * page.height || yMin > 0.94 * page.height) {
                continue;
            }
            page.top = std::min(page.top, yMin);
            page.bottom = std::max(page.bottom, yMax);
            words.emplace_back(yMin, (*it)[3].str());
        }
        for (const auto& [y, text] : words) {
            if (y < page.top + 2) {
                page.firstLine += (page.firstLine.empty() ? "" : " ") + text;
            }
        }
        pages.push_back(page);
    }
    ASSERT_GT(pages.size(), 10u);

    double textTop = 1e9;
    double textBottom = 0;
    for (const Page& page : pages) {
        textTop = std::min(textTop, page.top);
        textBottom = std::max(textBottom, page.bottom);
    }
    // A title may take two lines: its first line begins it.
    const auto beginsChapter = [](const Page& page) {
        return page.firstLine == "Contents" ||
               std::any_of(kChapters.begin(), kChapters.end(), [&](const std::string& chapter) {
                   return !page.firstLine.empty() && chapter.rfind(page.firstLine, 0) == 0;
               });
    };
    for (size_t i = 0; i + 1 < pages.size(); ++i) {
        if (beginsChapter(pages[i + 1])) {
            continue;
        }
        const double filled = (pages[i].bottom - textTop) / (textBottom - textTop);
        EXPECT_GT(filled, 1.0 / 3) << "page " << i + 1 << " is " << static_cast<int>(100 * (1 - filled))
                                   << "% empty";
    }
}

}  // namespace
