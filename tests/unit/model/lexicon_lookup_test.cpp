// Keyword lookups by hash, against the rows they must find: every spelling
// that differs only in the case of letters finds the row, and no text that
// differs otherwise does, not even in a bit that folding letters touches.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/lexicon.h"

namespace tessary {
namespace {

std::string flipped(std::string text, size_t at) {
    text[at] = static_cast<char>(text[at] ^ 0x20);
    return text;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

template <typename Lookup>
void checkTable(int rows, const FmTableRow& (*rowAt)(int), Lookup lookup) {
    for (int i = 0; i < rows; ++i) {
        const FmTableRow& row = rowAt(i);
        const std::string keyword = row.keyword;
        uint32_t id = 0;
        ASSERT_TRUE(lookup(keyword, id)) << keyword;
        EXPECT_EQ(id, row.id);
        for (size_t at = 0; at < keyword.size(); ++at) {
            const std::string other = flipped(keyword, at);
            id = 0;
            // Letters may change case; any other byte changed by 0x20 ('_' to
            // DEL, a digit to a control character) is another text.
            EXPECT_EQ(lookup(other, id), isLetter(keyword[at])) << other;
            if (isLetter(keyword[at])) {
                EXPECT_EQ(id, row.id) << other;
            }
        }
        EXPECT_FALSE(lookup(keyword.substr(1), id)) << keyword;
        EXPECT_FALSE(lookup(keyword + keyword.back(), id)) << keyword;
    }
}

TEST(KeywordLookup, CaseOfLettersOnly) {
    checkTable(kFmCommandCount, FmCommandRow,
               [](std::string_view text, uint32_t& id) { return LookupFmCommandByKeyword(text, id); });
    checkTable(kFmMenuCount, FmMenuRow,
               [](std::string_view text, uint32_t& id) { return LookupFmMenuByKeyword(text, id); });
}

// The lookups that give a view must give the whole text of the row the
// NUL-ended lookup finds, for every id, known or not.
// Each text by id is the whole of its row's text, its length included.
TEST(KeywordLookup, KeywordsAndCaptionsByIdWithTheirLength) {
    struct Table {
        const FmTableRow& (*row)(int);
        int count;
        bool (*keyword)(uint32_t, std::string_view&);
        bool (*caption)(uint32_t, std::string_view&);
    };
    for (const Table& table : {Table{FmCommandRow, kFmCommandCount, LookupFmCommandKeyword, LookupFmCommandCaption},
                               Table{FmMenuRow, kFmMenuCount, LookupFmMenuKeyword, LookupFmMenuCaption}}) {
        for (int i = 0; i < table.count; ++i) {
            const FmTableRow& row = table.row(i);
            std::string_view keyword;
            std::string_view caption;
            ASSERT_TRUE(table.keyword(row.id, keyword)) << row.keyword;
            EXPECT_EQ(keyword, std::string_view(row.keyword));
            ASSERT_TRUE(table.caption(row.id, caption)) << row.keyword;
            EXPECT_EQ(caption, std::string_view(row.caption));
        }
    }
}

}  // namespace
}  // namespace tessary
