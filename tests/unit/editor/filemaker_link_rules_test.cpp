#include "editor/filemaker_link_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tessary {
namespace {

// Every name the answer yields, each followed by '|'.
std::string names(const std::string& written, size_t capacity = 255) {
    PluginAnswer answer;
    answer.take(written);
    std::string out;
    std::string buffer(capacity, 'x');
    while (size_t length = answer.nextName(buffer.data(), capacity)) {
        EXPECT_EQ(buffer[length], '\0');
        out += buffer.substr(0, length) + "|";
    }
    return out;
}

TEST(PluginAnswer, YieldsEachNameAndPassesOverWhatCannotBeOne) {
    struct Case {
        std::string written;
        size_t capacity;
        std::string expected;
    } cases[] = {
        {"Orders\nInvoices\n", 255, "Orders|Invoices|"},
        {"Orders\r\nLast", 255, "Orders\r|Last|"},            // a carriage return belongs to the name
        {"", 255, ""},                                        // an empty answer
        {"\n\nA\n\n", 255, "A|"},                             // blank lines hide nothing
        {"Long one\nok\n", 8, "ok|"},                         // a name too long for the buffer is passed over
        {"Se\xF1or\n\x80\xFF\n", 255, "Se\xF1or|\x80\xFF|"},  // bytes above 0x7F are names like any other
        {std::string("A\nB\0C\n", 6), 255, "A|B|"},           // the answer ends at a NUL
    };
    for (const Case& c : cases) {
        EXPECT_EQ(names(c.written, c.capacity), c.expected) << c.written;
    }
}

TEST(FileMakerWindows, ClassesTitlesAndDocumentNames) {
    for (const char* name : {"fmpro7app", "FMPRO5APP", "FmPro9AppWindow"}) {
        EXPECT_TRUE(isFileMakerAppClass(name)) << name;
    }
    for (const char* name : {"fmproapp", "fmpro10app", "xfmpro7app", "fmpro7ap"}) {
        EXPECT_FALSE(isFileMakerAppClass(name)) << name;
    }
    EXPECT_TRUE(documentTitleMatches("Orders", "orders"));
    EXPECT_TRUE(documentTitleMatches("ORD", "Orders 2010"));
    EXPECT_TRUE(documentTitleMatches("\xC9t\xE9", "\xE9T\xC9 2"));  // Windows ANSI letters ignore case too
    EXPECT_FALSE(documentTitleMatches("Orders 2010", "Orders"));
    EXPECT_FALSE(documentTitleMatches("", "Orders"));  // an empty title names no document
    EXPECT_EQ(documentNameOfPath("C:\\Data\\Orders.fp7"), "Orders");
    EXPECT_EQ(documentNameOfPath("C:\\Data\\.fp7"), "");
}

}  // namespace
}  // namespace tessary
