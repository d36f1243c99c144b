// The vocabulary tables and their lookups.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/lexicon.h"

namespace tessary {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

int KeywordIndex(const char* text, TokenClass tokenClass) {
    for (int i = 0; i < kKeywordCount; ++i) {
        if (std::string(KeywordAt(i).text) == text && KeywordAt(i).tokenClass == tokenClass) {
            return i;
        }
    }
    return -1;
}

TEST(KeywordTable, SpotEntries) {
    struct Case {
        int index;
        const char* text;
        TokenClass tokenClass;
    };
    const Case cases[] = {
        {0, "FM_MENUITEMSEPARATOR", TokenClass::SeparatorItem},
        {5, "#IF_MACCLASSIC", TokenClass::PlatformMacClassic},
        {8, "FM_APPLEMENU", TokenClass::AppMenu},
        {10, "FM_APPMENU", TokenClass::AppMenu},
        {12, "CHECK-ON", TokenClass::CheckOnOption},
        {15, "FM_MENU", TokenClass::Menu},
        {19, "STRING:", TokenClass::UserStringOption},
        {20, "DISABLE", TokenClass::DisableOption},
        {22, "NONE", TokenClass::NoShortcut},
        {24, "ALT", TokenClass::AltModifier},
        {27, " ", TokenClass::Blank},
        {28, "\t", TokenClass::Blank},
        {29, "\n", TokenClass::LineBreak},
        {30, "\r", TokenClass::LineBreak},
        {34, "\"", TokenClass::OpeningQuote},
        {35, "\"", TokenClass::ClosingQuote},
        {36, "+", TokenClass::Plus},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const KeywordEntry& entry = KeywordAt(c.index);
        EXPECT_STREQ(entry.text, c.text);
        EXPECT_EQ(entry.tokenClass, c.tokenClass);
    }
    for (int i = 0; i < kKeywordCount; ++i) {
        EXPECT_EQ(KeywordAt(i).length, std::string(KeywordAt(i).text).size()) << i;
        EXPECT_LE(KeywordAt(i).length, 23) << i;
    }
}

TEST(KeywordTable, EveryClassOnceExceptTheSharedOnes) {
    std::map<TokenClass, int> counts;
    for (int i = 0; i < kKeywordCount; ++i) {
        ++counts[KeywordAt(i).tokenClass];
    }
    const std::set<TokenClass> shared = {TokenClass::AppMenu, TokenClass::DisableOption, TokenClass::EnableOption,
                                         TokenClass::Blank, TokenClass::LineBreak};
    EXPECT_EQ(counts.size(), static_cast<size_t>(TokenClass::Plus) + 1);
    for (const auto& [tokenClass, count] : counts) {
        EXPECT_EQ(count, shared.count(tokenClass) ? 2 : 1) << static_cast<int>(tokenClass);
    }
}

// Matching is by prefix in table order, so every entry must be reachable: the
// first entry whose text begins the entry's own text is the entry itself, or
// one with the very same text (the two quotes). Options compare ignoring case,
// so the property is checked that way.
TEST(KeywordTable, LongerKeywordsComeFirst) {
    for (int j = 0; j < kKeywordCount; ++j) {
        const std::string text = KeywordAt(j).text;
        for (int i = 0; i < j; ++i) {
            if (StartsWithIgnoringCase(text, KeywordAt(i).text)) {
                EXPECT_EQ(std::string(KeywordAt(i).text).size(), text.size()) << text << " hidden by " << i;
            }
        }
    }
    const int separator = KeywordIndex("FM_MENUITEMSEPARATOR", TokenClass::SeparatorItem);
    const int item = KeywordIndex("FM_MENUITEM", TokenClass::CommandItem);
    const int menu = KeywordIndex("FM_MENU", TokenClass::Menu);
    ASSERT_GE(separator, 0);
    EXPECT_LT(separator, item);
    EXPECT_LT(item, menu);
    EXPECT_LT(KeywordIndex("DISABLED", TokenClass::DisableOption), KeywordIndex("DISABLE", TokenClass::DisableOption));
    EXPECT_LT(KeywordIndex("ENABLED", TokenClass::EnableOption), KeywordIndex("ENABLE", TokenClass::EnableOption));
    EXPECT_LT(KeywordIndex("#IF_MACCARBON", TokenClass::PlatformMacX),
              KeywordIndex("#IF_MAC", TokenClass::PlatformMac));
}

struct Row {
    int row;
    uint32_t id;
    const char* keyword;
    const char* caption;
};

TEST(FmCommandTable, SpotRows) {
    const Row rows[] = {
        {0, 1, "FM_NEW_DATABASE", "New Database..."},
        {1, 2, "FM_OPEN", "Open..."},
        {18, 19, "FM_ACCOUNTS_PRIVILEDGES", "Account & Privilegies"},
        {23, 24, "FM_IMPORT_FILE", "File..."},
        {37, 38, "FM_QUIT", "Exit"},
        {61, 62, "FM_SPELLING_EDIT_USER_DICTIONARY", "Edit User Dictionary..."},
        {82, 83, "FM_ZOOM_OUT", "Zoom Out"},
        {83, 85, "FM_INSERT_PICTURE", "Picture..."},
        {86, 84, "FM_INSERT_OBJECT", "Object..."},
        {87, 88, "FM_INSERT_FILE", "File..."},
        {93, 94, "FM_INSERT_FROM_LAST_RECORD_AND_ADVANCE", "From Last and Advance"},
        {135, 136, "FM_HELP_WHATS_THIS", "What's this?"},
        {138, 150, "FM_DOWNLOADS_AND_UPDATES", "Downloads and Updates"},
        {139, 139, "FM_REGISTER_NOW", "Register Now"},
        {145, 156, "FM_GO_TO_NEXT_REQUEST", "Next"},
        {160, 176, "FM_SAVE_CURRENT_FIND", "Save Current Find..."},
        {163, 172, "FM_SAVED_FINDS_LIST", "<None>"},
        {165, 174, "FM_RECENT_FINDS_LIST", "<None>"},
        {167, 149, "FM_VISIT_FORUM", "Visit our Forum"},
        {187, 197, "FM_SEND_RECORDS_TO_SNAPHOT_LINK", "Snaphot link"},
        {188, 151, "FM_HELP_QUICK_START_SCREEN", "Quick start screen"},
        {191, 141, "FM_DOC_USERS_GUIDE", "User's guide"},
        {196, 146, "FM_DOC_MORE", "More documentation"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.keyword);
        const FmTableRow& row = FmCommandRow(r.row);
        EXPECT_EQ(row.id, r.id);
        EXPECT_STREQ(row.keyword, r.keyword);
        EXPECT_STREQ(row.caption, r.caption);
        uint32_t id = 0;
        std::string_view text;
        EXPECT_TRUE(LookupFmCommandByKeyword(r.keyword, id));
        EXPECT_EQ(id, r.id);
        ASSERT_TRUE(LookupFmCommandKeyword(r.id, text));
        EXPECT_EQ(text, r.keyword);
        ASSERT_TRUE(LookupFmCommandCaption(r.id, text));
        EXPECT_EQ(text, r.caption);
    }
}

TEST(FmCommandTable, IdsOnceEachAndKeywordsUnique) {
    std::set<uint32_t> ids;
    std::set<std::string> keywords;
    for (int i = 0; i < kFmCommandCount; ++i) {
        const FmTableRow& row = FmCommandRow(i);
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        EXPECT_TRUE(keywords.insert(Upper(row.keyword)).second) << row.keyword;
        EXPECT_EQ(std::string(row.keyword).rfind("FM_", 0), 0u) << row.keyword;
        EXPECT_STRNE(row.caption, "") << row.keyword;
    }
    ASSERT_EQ(ids.size(), 197u);
    EXPECT_EQ(*ids.begin(), 1u);
    EXPECT_EQ(*ids.rbegin(), 197u);
}

// A misspelt copy of one of these captions would show up as a missing pair.
TEST(FmCommandTable, CaptionsSharedByTwoRows) {
    std::map<std::string, std::set<uint32_t>> idsByCaption;
    for (int i = 0; i < kFmCommandCount; ++i) {
        idsByCaption[FmCommandRow(i).caption].insert(FmCommandRow(i).id);
    }
    std::map<std::string, std::set<uint32_t>> shared;
    for (const auto& [caption, ids] : idsByCaption) {
        if (ids.size() > 1) {
            shared[caption] = ids;
        }
    }
    const std::map<std::string, std::set<uint32_t>> expected = {
        {"File...", {24, 88}},       {"Find Again", {51, 52}}, {"Replace & Find Again", {53, 54}},
        {"Find Selected", {55, 56}}, {"Next", {107, 156}},     {"Previous", {108, 157}},
        {"Specify...", {109, 158}},  {"<None>", {172, 174}},
    };
    EXPECT_EQ(shared, expected);
}

// The indexed lookup must answer exactly as a scan of the rows would.
uint32_t ScanForKeyword(const std::string& text) {
    for (int i = 0; i < kFmCommandCount; ++i) {
        if (Lower(FmCommandRow(i).keyword) == Lower(text)) {
            return FmCommandRow(i).id;
        }
    }
    return 0;
}

TEST(FmCommandTable, KeywordLookupMatchesAScan) {
    std::vector<std::string> probes = {"", "F", "FM_", "fm_open", "Fm_OpEn", "FM_OPEN ", " FM_OPEN", "FM_OPENX",
                                       std::string("FM_OPEN\0", 8), "FM_OPEN\t", "FM_MENU_FILE", "FM_\xC9",
                                       "\xFF", "FM_INSERT_FROM_LAST_RECORD_AND_ADVANCEX", "fm-open", "FM_OPEN)"};
    for (int i = 0; i < kFmCommandCount; ++i) {
        const std::string keyword = FmCommandRow(i).keyword;
        probes.push_back(keyword);
        probes.push_back(Lower(keyword));
        probes.push_back(keyword.substr(0, keyword.size() - 1));
        probes.push_back(keyword + "_");
        probes.push_back(keyword + "a");
    }
    for (const std::string& probe : probes) {
        const uint32_t expected = ScanForKeyword(probe);
        uint32_t id = 0;
        EXPECT_EQ(LookupFmCommandByKeyword(probe, id), expected != 0) << probe;
        if (expected != 0) {
            EXPECT_EQ(id, expected) << probe;
        }
    }
    uint32_t id = 0;
    ASSERT_TRUE(LookupFmCommandByKeyword("fm_open", id));
    EXPECT_EQ(id, 2u);
    EXPECT_FALSE(LookupFmCommandByKeyword("FM_OPEN ", id));
}

TEST(FmCommandTable, UnknownIds) {
    std::string_view text;
    for (uint32_t id : {0u, 198u, 255u, 256u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(LookupFmCommandKeyword(id, text)) << id;
        EXPECT_FALSE(LookupFmCommandCaption(id, text)) << id;
    }
}

TEST(FmMenuTable, IdsInRowOrderAndSpotRows) {
    for (int i = 0; i < kFmMenuCount; ++i) {
        const FmTableRow& row = FmMenuRow(i);
        EXPECT_EQ(row.id, static_cast<uint32_t>(i + 1));
        uint32_t id = 0;
        EXPECT_TRUE(LookupFmMenuByKeyword(Lower(row.keyword), id)) << row.keyword;
        EXPECT_EQ(id, row.id);
        EXPECT_FALSE(LookupFmMenuByKeyword(std::string(row.keyword) + " ", id)) << row.keyword;
    }
    const Row rows[] = {
        {0, 1, "FM_MENU_FILE", "File"},
        {1, 2, "FM_MENU_ACCESS_PRIVILEGES", "Access privileges"},
        {3, 4, "FM_MENU_SEND_SAVE_RECORDS_AS", "Send/Save Records As"},
        {5, 6, "FM_MENU_FIND_REPLACE", "Find/Replace"},
        {20, 21, "FM_MENU_DEBUGGING_CONTROL", "Debugging Control"},
        {31, 32, "FM_MENU_OPEN_FAVORITE", "Open favorite"},
        {32, 33, "FM_MENU_SEND", "Send"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.keyword);
        EXPECT_STREQ(FmMenuRow(r.row).keyword, r.keyword);
        std::string_view text;
        ASSERT_TRUE(LookupFmMenuKeyword(r.id, text));
        EXPECT_EQ(text, r.keyword);
        ASSERT_TRUE(LookupFmMenuCaption(r.id, text));
        EXPECT_EQ(text, r.caption);
    }
    std::string_view text;
    EXPECT_FALSE(LookupFmMenuCaption(34, text));
    EXPECT_FALSE(LookupFmMenuKeyword(0, text));
    uint32_t id = 0;
    EXPECT_FALSE(LookupFmMenuByKeyword("FM_MENU", id));
    EXPECT_FALSE(LookupFmMenuByKeyword("FM_OPEN", id));
    EXPECT_FALSE(LookupFmMenuByKeyword("", id));
}

}  // namespace
}  // namespace tessary
