// The vocabulary of menu code as constant tables. The texts are read by the
// plug-in and stay exactly as they are, misspellings included. The checks at
// the end of each table run when the program is compiled.
#include "model/lexicon_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "model/keyword_table.h"

namespace tessary::lexicon_tables {

namespace {

constexpr bool IsPrefixFolded(std::string_view prefix, std::string_view text) {
    return prefix.size() <= text.size() && CompareFolded(prefix, text.substr(0, prefix.size())) == 0;
}

}  // namespace

namespace {

constexpr bool KeywordTableIsSound() {
    for (int i = 0; i < kKeywordCount; ++i) {
        const KeywordEntry& entry = kKeywordTable[i];
        if (entry.text == nullptr || entry.length == 0 || entry.length > 23 ||
            std::string_view(entry.text).size() != entry.length) {
            return false;
        }
        // A later entry that the earlier one begins would never be reached.
        for (int j = i + 1; j < kKeywordCount; ++j) {
            std::string_view later(kKeywordTable[j].text);
            if (later.size() > entry.length && IsPrefixFolded(entry.text, later)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(KeywordTableIsSound());

// Commands in the order of presentation; ids are not in row order.
constexpr FmTableRow kFmCommandRows[kFmCommandCount] = {
    {"FM_NEW_DATABASE", 1, "New Database..."},
    {"FM_OPEN", 2, "Open..."},
    {"FM_OPEN_REMOTE", 3, "Open Remote..."},
    {"FM_CLOSE", 4, "Close"},
    {"FM_DEFINE_FIELDS", 5, "Define Fields..."},
    {"FM_DEFINE_VALUE_LISTS", 6, "Define Value Lists..."},
    {"FM_DEFINE_RELATIONSHIPS", 7, "Define Relationships..."},
    {"FM_DB_DESIGN_REPORT", 8, "Database Design Report..."},
    {"FM_DEVELOPER_UTILITIES", 9, "Developer Utilities..."},
    {"FM_PASSWORDS", 10, "Passwords..."},
    {"FM_GROUPS", 11, "Groups..."},
    {"FM_OVERVIEW", 12, "Overview..."},
    {"FM_SHARING", 13, "Sharing..."},
    {"FM_NETWORK_SHARING", 14, "FileMaker Network..."},
    {"FM_WEB_SHARING", 15, "Instant Web Publishing..."},
    {"FM_ODBC_JDBC_SHARING", 16, "ODBC/JDBC..."},
    {"FM_DEFINE_DATABASE", 17, "Database..."},
    {"FM_FILE_REFERENCES", 18, "File References..."},
    {"FM_ACCOUNTS_PRIVILEDGES", 19, "Account & Privilegies"},
    {"FM_CHANGE_PASSWORD", 20, "Change Password..."},
    {"FM_PRINT_SETUP", 21, "Page Setup..."},
    {"FM_PRINT", 22, "Print..."},
    {"FM_PRINT_ONE", 23, "Print One"},
    {"FM_IMPORT_FILE", 24, "File..."},
    {"FM_IMPORT_FOLDER", 25, "Folder..."},
    {"FM_IMPORT_XML", 26, "XML Source..."},
    {"FM_IMPORT_ODBC", 27, "ODBC Source..."},
    {"FM_IMPORT_CAMERA", 28, "Digital Camera..."},
    {"FM_EXPORT", 29, "Export Records..."},
    {"FM_SEND_RECORDS_TO_EXCEL", 30, "Excel"},
    {"FM_SEND_RECORDS_TO_PDF", 31, "PDF"},
    {"FM_SEND_MAIL", 32, "Send Mail..."},
    {"FM_SEND_LINK", 33, "Send Link..."},
    {"FM_SAVE_COPY", 34, "Save a Copy As..."},
    {"FM_RECOVER", 35, "Recover..."},
    {"FM_FILE_MAINTENANCE", 36, "File Maintenance..."},
    {"FM_RECENT_FILES", 37, "Recent Files"},
    {"FM_QUIT", 38, "Exit"},
    {"FM_UNDO", 39, "Undo"},
    {"FM_REDO", 40, "Redo"},
    {"FM_CUT", 41, "Cut"},
    {"FM_COPY", 42, "Copy"},
    {"FM_COPY_ALL_RECORDS", 43, "Copy All Records"},
    {"FM_PASTE", 44, "Paste"},
    {"FM_PASTE_TEXT", 45, "Paste Text Only"},
    {"FM_PASTE_SPECIAL", 46, "Paste Special..."},
    {"FM_CLEAR", 47, "Clear"},
    {"FM_SELECT_ALL", 48, "Select All"},
    {"FM_SELECT_SAME", 49, "Select Same"},
    {"FM_FIND_REPLACE", 50, "Find/Replace..."},
    {"FM_FIND_AGAIN", 51, "Find Again"},
    {"FM_FIND_AGAIN_BACK", 52, "Find Again"},
    {"FM_REPLACE_FIND_AGAIN", 53, "Replace & Find Again"},
    {"FM_REPLACE_FIND_AGAIN_BACK", 54, "Replace & Find Again"},
    {"FM_FIND_SELECTED", 55, "Find Selected"},
    {"FM_FIND_SELECTED_BACK", 56, "Find Selected"},
    {"FM_SPELLING_CHECK_SELECTION", 57, "Check Selection..."},
    {"FM_SPELLING_CHECK_RECORD", 58, "Check Record..."},
    {"FM_SPELLING_CHECK_ALL", 59, "Check All..."},
    {"FM_SPELLING_CORRECT_WORD", 60, "Correct Word..."},
    {"FM_SPELLING_SELECT_DICTIONARIES", 61, "Select Dictionaries..."},
    {"FM_SPELLING_EDIT_USER_DICTIONARY", 62, "Edit User Dictionary..."},
    {"FM_OBJECT_LINKS", 63, "Links..."},
    {"FM_SHOW_OBJECTS", 64, "Show Objects"},
    {"FM_CONVERT_OBJECTS", 65, "Convert..."},
    {"FM_APP_PREFERENCES", 66, "Preferences..."},
    {"FM_FILE_PREFERENCES", 67, "Document..."},
    {"FM_EXPORT_FIELD_CONTENTS", 68, "Export Field Contents..."},
    {"FM_BROWSE_MODE", 69, "Browse Mode"},
    {"FM_FIND_MODE", 70, "Find Mode"},
    {"FM_LAYOUT_MODE", 71, "Layout Mode"},
    {"FM_PREVIEW_MODE", 72, "Preview Mode"},
    {"FM_LAYOUTS", 73, "Layouts list"},
    {"FM_FORM_VIEW", 74, "View as Form"},
    {"FM_LIST_VIEW", 75, "View as List"},
    {"FM_TABLE_VIEW", 76, "View as Table"},
    {"FM_TOOLBARS_STANDARD", 77, "Standard"},
    {"FM_TOOLBARS_TEXT", 78, "Text Formatting"},
    {"FM_STATUS_BAR", 79, "Status Bar"},
    {"FM_STATUS_AREA", 80, "Status Area"},
    {"FM_TEXT_RULER", 81, "Text Ruler"},
    {"FM_ZOOM_IN", 82, "Zoom In"},
    {"FM_ZOOM_OUT", 83, "Zoom Out"},
    {"FM_INSERT_PICTURE", 85, "Picture..."},
    {"FM_INSERT_QUICKTIME", 86, "QuickTime..."},
    {"FM_INSERT_SOUND", 87, "Sound..."},
    {"FM_INSERT_OBJECT", 84, "Object..."},
    {"FM_INSERT_FILE", 88, "File..."},
    {"FM_INSERT_CURRENT_DATE", 89, "Current Date"},
    {"FM_INSERT_CURRENT_TIME", 90, "Current Time"},
    {"FM_INSERT_CURRENT_USER_NAME", 91, "Current User Name"},
    {"FM_INSERT_FROM_INDEX", 92, "From Index..."},
    {"FM_INSERT_FROM_LAST_RECORD", 93, "From Last Record"},
    {"FM_INSERT_FROM_LAST_RECORD_AND_ADVANCE", 94, "From Last and Advance"},
    {"FM_TEXT_FONTS", 95, "Font"},
    {"FM_TEXT_SIZE", 96, "Size"},
    {"FM_TEXT_STYLE", 97, "Style"},
    {"FM_TEXT_ALIGN", 98, "Align Text"},
    {"FM_TEXT_LINE_SPACING", 99, "Line Spacing"},
    {"FM_TEXT_COLOR", 100, "Text Color"},
    {"FM_TEXT", 101, "Text..."},
    {"FM_USE_SYSTEM_FORMATS", 102, "Use System Formats"},
    {"FM_NEW_RECORD", 103, "New Record"},
    {"FM_DUPLICATE_RECORD", 104, "Duplicate Record"},
    {"FM_DELETE_RECORD", 105, "Delete Record..."},
    {"FM_DELETE_ALL_RECORDS", 106, "Delete All Records..."},
    {"FM_GO_TO_NEXT_RECORD", 107, "Next"},
    {"FM_GO_TO_PREVIOUS_RECORD", 108, "Previous"},
    {"FM_GO_TO_SPECIFIED_RECORD", 109, "Specify..."},
    {"FM_REFRESH_WINDOW", 110, "Refresh Window"},
    {"FM_MODIFY_LAST_FIND", 111, "Modify Last Find"},
    {"FM_SHOW_ALL_RECORDS", 112, "Show All Records"},
    {"FM_SHOW_OMITTED_ONLY", 113, "Show Omitted"},
    {"FM_OMIT_RECORD", 114, "Omit Record"},
    {"FM_OMIT_MULTIPLE_RECORDS", 115, "Omit Multiple..."},
    {"FM_SORT_RECORDS", 116, "Sort..."},
    {"FM_UNSORT_RECORDS", 117, "Unsort"},
    {"FM_REPLACE_CONTENTS", 118, "Replace Contents..."},
    {"FM_RELOOKUP_CONTENTS", 119, "Relookup Contents"},
    {"FM_REVERT_RECORD", 120, "Revert Record"},
    {"FM_SCRIPTMAKER", 121, "ScriptMaker..."},
    {"FM_DEBUG_SCRIPTS", 122, "Debug Scripts"},
    {"FM_SCRIPTS", 123, "Scripts List"},
    {"FM_WINDOW_TILE_HORIZONTALLY", 124, "Tile Horizontally"},
    {"FM_WINDOW_TILE_VERTICALLY", 125, "Tile Vertically"},
    {"FM_WINDOW_CASCADE", 126, "Cascade"},
    {"FM_WINDOW_ARRANGE_ICONS", 127, "Arrange Icons"},
    {"FM_OPEN_WINDOWS", 128, "Open Windows"},
    {"FM_WINDOW_ALL_TO_FRONT", 129, "Bring All to Front"},
    {"FM_NEW_WINDOW", 130, "New Window"},
    {"FM_HIDDEN_WINDOWS", 131, "Hidden Windows"},
    {"FM_HIDE_WINDOW", 132, "Hide Window"},
    {"FM_MINIMIZE_WINDOW", 133, "Minimize Window"},
    {"FM_HELP", 134, "FileMaker Pro Help"},
    {"FM_HELP_CONTENTS_INDEXES", 135, "Contents and Index"},
    {"FM_HELP_WHATS_THIS", 136, "What's this?"},
    {"FM_WEBSITE", 137, "FileMaker on the Web"},
    {"FM_SEND_FEEDBACK", 138, "Send Feedback to FileMaker"},
    {"FM_DOWNLOADS_AND_UPDATES", 150, "Downloads and Updates"},
    {"FM_REGISTER_NOW", 139, "Register Now"},
    {"FM_ABOUT", 140, "About FileMaker Pro"},
    {"FM_HELP_KEYBOARD", 152, "Keyboard Commands"},
    {"FM_NEW_REQUEST", 153, "Add New Request"},
    {"FM_DUPLICATE_REQUEST", 154, "Duplicate Request"},
    {"FM_DELETE_REQUEST", 155, "Delete Request"},
    {"FM_GO_TO_NEXT_REQUEST", 156, "Next"},
    {"FM_GO_TO_PREVIOUS_REQUEST", 157, "Previous"},
    {"FM_GO_TO_SPECIFIED_REQUEST", 158, "Specify..."},
    {"FM_PERFORM_FIND", 159, "Perform Find"},
    {"FM_CONSTRAIN_FOUND_SET", 160, "Constrain Found Set"},
    {"FM_EXTEND_FOUND_SET", 161, "Extend Found Set"},
    {"FM_REVERT_REQUEST", 162, "Revert Request"},
    {"FM_DATA_VIEWER", 163, "Data Viewer"},
    {"FM_ACTIVATE", 164, "Activate"},
    {"FM_EXTERNAL_DATA_SOURCES", 165, "External Data Sources..."},
    {"FM_CUSTOM_FUNCTIONS", 166, "Custom Functions..."},
    {"FM_CUSTOM_MENUS", 167, "Custom Menus..."},
    {"FM_STATUS_TOOLBAR", 168, "Status Toolbar"},
    {"FM_CUSTOMIZE_STATUS_TOOLBAR", 169, "Customize Status Toolbar..."},
    {"FM_FORMATTING_BAR", 170, "Formatting Bar"},
    {"FM_SAVE_CURRENT_FIND", 176, "Save Current Find..."},
    {"FM_EDIT_SAVED_FINDS", 177, "Edit Saved Finds..."},
    {"FM_SAVED_FINDS", 171, "Saved Finds"},
    {"FM_SAVED_FINDS_LIST", 172, "<None>"},
    {"FM_RECENT_FINDS", 173, "Recent Finds"},
    {"FM_RECENT_FINDS_LIST", 174, "<None>"},
    {"FM_LAUNCH_PHP_ASSISTANT", 175, "Launch PHP Assistant"},
    {"FM_VISIT_FORUM", 149, "Visit our Forum"},
    {"FM_STEP_OVER", 178, "Step Over"},
    {"FM_STEP_INTO", 179, "Step Into"},
    {"FM_STEP_OUT", 180, "Step Out"},
    {"FM_RUN", 181, "Run"},
    {"FM_HALT_SCRIPT", 182, "Halt Script"},
    {"FM_SET_NEXT_STEP", 183, "Set Next Step"},
    {"FM_SET_BREAKPOINT", 184, "Set Breakpoint"},
    {"FM_REMOVE_BREAKPOINTS", 185, "Remove Breakpoints"},
    {"FM_EDIT_SCRIPT", 186, "Edit Script..."},
    {"FM_PAUSE_ON_ERROR", 187, "Pause on error"},
    {"FM_MANAGE_CUSTOM_MENUS", 188, "Manage Custom Menus..."},
    {"FM_IMPORT_BENTO", 189, "Bento Data Source..."},
    {"FM_CLEAR_ALL_RECENT_FINDS", 190, "Clear All Recent Finds"},
    {"FM_NEW_FROM_STARTER_SOLUTION", 191, "New From Starter Solution"},
    {"FM_CLEAR_RECENT_FILES", 192, "Clear Recent Files"},
    {"FM_FAVORITES", 193, "Favorites"},
    {"FM_MANAGE_FAVORITES", 194, "Manage favorites"},
    {"FM_ADD_CURRENT_FILE_TO_FAVORITES", 195, "Add current file to favorites"},
    {"FM_DEFINE_LAYOUTS", 196, "Layouts"},
    {"FM_SEND_RECORDS_TO_SNAPHOT_LINK", 197, "Snaphot link"},
    {"FM_HELP_QUICK_START_SCREEN", 151, "Quick start screen"},
    {"FM_CONSULTANT_AND_SOLUTIONS", 147, "Consultants and solutions"},
    {"FM_SERVICE_AND_SUPPORT", 148, "Service and support"},
    {"FM_DOC_USERS_GUIDE", 141, "User's guide"},
    {"FM_DOC_TUTORIAL", 142, "Tutorial"},
    {"FM_DOC_DEV_GUIDE", 143, "Developers guide"},
    {"FM_DOC_IWP_GUIDE", 144, "IWP guide"},
    {"FM_DOC_OJDBC_GUIDE", 145, "ODBC and JDBC guide"},
    {"FM_DOC_MORE", 146, "More documentation"},
};

constexpr FmTableRow kFmMenuRows[kFmMenuCount] = {
    {"FM_MENU_FILE", 1, "File"},
    {"FM_MENU_ACCESS_PRIVILEGES", 2, "Access privileges"},
    {"FM_MENU_IMPORT_RECORDS", 3, "Import Records"},
    {"FM_MENU_SEND_SAVE_RECORDS_AS", 4, "Send/Save Records As"},
    {"FM_MENU_EDIT", 5, "Edit"},
    {"FM_MENU_FIND_REPLACE", 6, "Find/Replace"},
    {"FM_MENU_SPELLING", 7, "Spelling"},
    {"FM_MENU_OBJECT", 8, "Object"},
    {"FM_MENU_PREFERENCES", 9, "Preferences"},
    {"FM_MENU_VIEW", 10, "View"},
    {"FM_MENU_GO_TO_LAYOUT", 11, "Go to Layout"},
    {"FM_MENU_TOOLBARS", 12, "Toolbars"},
    {"FM_MENU_INSERT", 13, "Insert"},
    {"FM_MENU_FORMAT", 14, "Format"},
    {"FM_MENU_RECORDS", 15, "Records"},
    {"FM_MENU_GO_TO_RECORD", 16, "Go to Record"},
    {"FM_MENU_REQUESTS", 17, "Requests"},
    {"FM_MENU_GO_TO_REQUEST", 18, "Go to Request"},
    {"FM_MENU_SCRIPTS", 19, "Scripts"},
    {"FM_MENU_TOOLS", 20, "Tools"},
    {"FM_MENU_DEBUGGING_CONTROL", 21, "Debugging Control"},
    {"FM_MENU_CUSTOM_MENUS", 22, "Custom Menus"},
    {"FM_MENU_WINDOW", 23, "Window"},
    {"FM_MENU_HELP", 24, "Help"},
    {"FM_MENU_OPEN_RECENT", 25, "Open Recent"},
    {"FM_MENU_DEFINE", 26, "Define"},
    {"FM_MENU_SHARING", 27, "Sharing"},
    {"FM_MENU_SHOW_WINDOW", 28, "Show Window"},
    {"FM_MENU_DOCUMENTATION", 29, "Documentation"},
    {"FM_MENU_MANAGE", 30, "Manage"},
    {"FM_MENU_SAVED_FINDS", 31, "Saved Finds"},
    {"FM_MENU_OPEN_FAVORITE", 32, "Open favorite"},
    {"FM_MENU_SEND", 33, "Send"},
};

template <size_t N>
constexpr std::array<uint8_t, N> OrderByKeyword(const FmTableRow (&rows)[N]) {
    std::array<uint8_t, N> order{};
    for (size_t i = 0; i < N; ++i) {
        order[i] = static_cast<uint8_t>(i);
    }
    std::sort(order.begin(), order.end(),
              [&rows](uint8_t a, uint8_t b) { return CompareFolded(rows[a].keyword, rows[b].keyword) < 0; });
    return order;
}

template <size_t N>
constexpr std::array<uint8_t, N + 1> FirstRowOfIds(const FmTableRow (&rows)[N]) {
    std::array<uint8_t, N + 1> rowOfId{};
    rowOfId.fill(kNoRow);
    for (size_t i = 0; i < N; ++i) {
        if (rows[i].id <= N && rowOfId[rows[i].id] == kNoRow) {
            rowOfId[rows[i].id] = static_cast<uint8_t>(i);
        }
    }
    return rowOfId;
}

// Every id from 1 to N on exactly one row, and no two keywords equal when
// case is ignored (so the keyword index finds the first row, as a scan would).
template <size_t N>
constexpr bool FmTableIsSound(const FmTableRow (&rows)[N]) {
    static_assert(N < kNoRow);
    const std::array<uint8_t, N + 1> rowOfId = FirstRowOfIds(rows);
    for (size_t i = 0; i < N; ++i) {
        if (rows[i].keyword == nullptr || rows[i].caption == nullptr || rows[i].keyword[0] == '\0' || rows[i].id == 0 ||
            rows[i].id > N || rowOfId[rows[i].id] != i) {
            return false;
        }
    }
    const std::array<uint8_t, N> order = OrderByKeyword(rows);
    for (size_t i = 1; i < N; ++i) {
        if (CompareFolded(rows[order[i - 1]].keyword, rows[order[i]].keyword) >= 0) {
            return false;
        }
    }
    return true;
}
static_assert(FmTableIsSound(kFmCommandRows));
static_assert(FmTableIsSound(kFmMenuRows));

// The hash slots of a table with `Slots` slots, a power of two well above the
// number of rows so that probes stay short.
template <size_t Slots, size_t N>
constexpr std::array<uint8_t, Slots> HashSlots(const FmTableRow (&rows)[N]) {
    static_assert((Slots & (Slots - 1)) == 0 && Slots >= 2 * N);
    std::array<uint8_t, Slots> slots{};
    slots.fill(kNoRow);
    for (size_t i = 0; i < N; ++i) {
        size_t slot = HashFolded(rows[i].keyword) & (Slots - 1);
        while (slots[slot] != kNoRow) {
            slot = (slot + 1) & (Slots - 1);
        }
        slots[slot] = static_cast<uint8_t>(i);
    }
    return slots;
}

// The most slots a lookup of a keyword of the table visits.
template <size_t Slots, size_t N>
constexpr size_t LongestProbe(const FmTableRow (&rows)[N], const std::array<uint8_t, Slots>& slots) {
    size_t longest = 0;
    for (size_t i = 0; i < N; ++i) {
        size_t probes = 1;
        for (size_t slot = HashFolded(rows[i].keyword) & (Slots - 1); slots[slot] != i;
             slot = (slot + 1) & (Slots - 1)) {
            ++probes;
        }
        longest = probes > longest ? probes : longest;
    }
    return longest;
}

template <size_t N>
constexpr std::array<uint8_t, N> KeywordLengths(const FmTableRow (&rows)[N]) {
    std::array<uint8_t, N> lengths{};
    for (size_t i = 0; i < N; ++i) {
        const size_t length = std::string_view(rows[i].keyword).size();
        lengths[i] = length > 0xFF ? 0xFF : static_cast<uint8_t>(length);
    }
    return lengths;
}

template <size_t N>
constexpr std::array<char, N * kKeywordStride> KeywordText(const FmTableRow (&rows)[N]) {
    std::array<char, N * kKeywordStride> text{};
    for (size_t i = 0; i < N; ++i) {
        const std::string_view keyword(rows[i].keyword);
        for (size_t k = 0; k < keyword.size() && k < kKeywordStride; ++k) {
            text[i * kKeywordStride + k] = keyword[k];
        }
    }
    return text;
}

template <size_t N>
constexpr bool KeywordsFitTheirText(const FmTableRow (&rows)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (std::string_view(rows[i].keyword).size() + 2 > kKeywordStride) {
            return false;
        }
    }
    return true;
}
static_assert(KeywordsFitTheirText(kFmCommandRows) && KeywordsFitTheirText(kFmMenuRows));

template <size_t N>
constexpr std::array<uint8_t, N> CaptionLengths(const FmTableRow (&rows)[N]) {
    std::array<uint8_t, N> lengths{};
    for (size_t i = 0; i < N; ++i) {
        const size_t length = rows[i].caption == nullptr ? 0 : std::string_view(rows[i].caption).size();
        lengths[i] = length > 0xFF ? 0xFF : static_cast<uint8_t>(length);
    }
    return lengths;
}

constexpr size_t kFmCommandSlots = 1024;
constexpr size_t kFmMenuSlots = 128;
constexpr std::array<uint8_t, kFmCommandSlots> kFmCommandHash = HashSlots<kFmCommandSlots>(kFmCommandRows);
constexpr std::array<uint8_t, kFmCommandCount> kFmCommandLengths = KeywordLengths(kFmCommandRows);
constexpr std::array<uint8_t, kFmCommandCount> kFmCommandCaptionLengths = CaptionLengths(kFmCommandRows);
constexpr std::array<char, kFmCommandCount* kKeywordStride> kFmCommandText = KeywordText(kFmCommandRows);
constexpr std::array<uint8_t, kFmCommandCount + 1> kFmCommandRowOfId = FirstRowOfIds(kFmCommandRows);
constexpr std::array<uint8_t, kFmMenuSlots> kFmMenuHash = HashSlots<kFmMenuSlots>(kFmMenuRows);
constexpr std::array<uint8_t, kFmMenuCount> kFmMenuLengths = KeywordLengths(kFmMenuRows);
constexpr std::array<uint8_t, kFmMenuCount> kFmMenuCaptionLengths = CaptionLengths(kFmMenuRows);
constexpr std::array<char, kFmMenuCount* kKeywordStride> kFmMenuText = KeywordText(kFmMenuRows);
constexpr std::array<uint8_t, kFmMenuCount + 1> kFmMenuRowOfId = FirstRowOfIds(kFmMenuRows);

// Every keyword shorter than 255 characters, so that its length is kept whole.
template <size_t N>
constexpr bool KeywordLengthsFit(const std::array<uint8_t, N>& lengths) {
    for (uint8_t length : lengths) {
        if (length == 0xFF) {
            return false;
        }
    }
    return true;
}
static_assert(KeywordLengthsFit(kFmCommandLengths) && KeywordLengthsFit(kFmMenuLengths));
static_assert(KeywordLengthsFit(kFmCommandCaptionLengths) && KeywordLengthsFit(kFmMenuCaptionLengths));
static_assert(LongestProbe(kFmCommandRows, kFmCommandHash) <= 4 && LongestProbe(kFmMenuRows, kFmMenuHash) <= 4);

}  // namespace

constexpr FmTable kFmCommands = {.rows = kFmCommandRows,
                                 .count = kFmCommandCount,
                                 .rowsByHash = kFmCommandHash.data(),
                                 .hashMask = kFmCommandSlots - 1,
                                 .keywordLengths = kFmCommandLengths.data(),
                                 .keywordText = kFmCommandText.data(),
                                 .captionLengths = kFmCommandCaptionLengths.data(),
                                 .rowOfId = kFmCommandRowOfId.data(),
                                 .maxId = kFmCommandCount};
constexpr FmTable kFmMenus = {.rows = kFmMenuRows,
                              .count = kFmMenuCount,
                              .rowsByHash = kFmMenuHash.data(),
                              .hashMask = kFmMenuSlots - 1,
                              .keywordLengths = kFmMenuLengths.data(),
                              .keywordText = kFmMenuText.data(),
                              .captionLengths = kFmMenuCaptionLengths.data(),
                              .rowOfId = kFmMenuRowOfId.data(),
                              .maxId = kFmMenuCount};

// KeyCode -position; ENTER and RETURN share virtual key 13, and ENTER, being
// first, is the one a record's 13 turns back into.
constexpr KeyNameEntry kKeyNameTable[kKeyNameCount] = {
    {"LEFT", -1, 37, "Left"},
    {"RIGHT", -2, 39, "Right"},
    {"UP", -3, 38, "Up"},
    {"DOWN", -4, 40, "Down"},
    {"PAGE_UP", -5, 33, "Page Up"},
    {"PAGE_DOWN", -6, 34, "Page Down"},
    {"HOME", -7, 36, "Home"},
    {"END", -8, 35, "End"},
    {"ESC", -9, 27, "Esc"},
    {"ENTER", -10, 13, "Enter"},
    {"RETURN", -11, 13, "Enter"},
    {"DEL", -12, 46, "Delete"},
    {"BACKSPACE", -13, 8, "Backspace"},
    {"F1", -14, 112, "F1"},
    {"F2", -15, 113, "F2"},
    {"F3", -16, 114, "F3"},
    {"F4", -17, 115, "F4"},
    {"F5", -18, 116, "F5"},
    {"F6", -19, 117, "F6"},
    {"F7", -20, 118, "F7"},
    {"F8", -21, 119, "F8"},
    {"F9", -22, 120, "F9"},
    {"F10", -23, 121, "F10"},
    {"F11", -24, 122, "F11"},
    {"F12", -25, 123, "F12"},
};

namespace {

constexpr bool KeyNameTableIsSound() {
    for (int i = 0; i < kKeyNameCount; ++i) {
        const KeyNameEntry& entry = kKeyNameTable[i];
        if (entry.name == nullptr || entry.displayName == nullptr || entry.keyCode != -(i + 1) ||
            entry.virtualKey == 0) {
            return false;
        }
    }
    return true;
}
static_assert(KeyNameTableIsSound());

// The characters that name a key by themselves, besides letters and digits.
constexpr std::string_view kCharKeyPunctuation = " ',-./;=[\\]`";

constexpr std::array<uint8_t, 128> MakeCharKeyTable() {
    std::array<uint8_t, 128> table{};
    for (int c = 'A'; c <= 'Z'; ++c) {
        table[c] = static_cast<uint8_t>(c);
        table[c - 'A' + 'a'] = static_cast<uint8_t>(c);
    }
    for (int c = '0'; c <= '9'; ++c) {
        table[c] = static_cast<uint8_t>(c);
    }
    for (char c : kCharKeyPunctuation) {
        table[static_cast<unsigned char>(c)] = static_cast<uint8_t>(c);
    }
    return table;
}

}  // namespace

constexpr std::array<uint8_t, 128> kCharKeyTable = MakeCharKeyTable();

constexpr PunctuationKey kPunctuationKeys[kPunctuationKeyCount] = {
    {'\'', 222}, {',', 188}, {'-', 189},  {'.', 190}, {'/', 191}, {';', 186},
    {'=', 187},  {'[', 219}, {'\\', 220}, {']', 221}, {'`', 192},
};

// The key list of the shortcut dialogs: "/" stands twice and there is no
// apostrophe, as the plug-in's users have always seen it.
constexpr const char* kShortcutKeyList[kShortcutKeyListCount] = {
    "-none-",    "F1",   "F2",  "F3",  "F4",    "F5",     "F6",        "F7",    "F8", "F9",   "F10",
    "F11",       "F12",  "0",   "1",   "2",     "3",      "4",         "5",     "6",  "7",    "8",
    "9",         "A",    "B",   "C",   "D",     "E",      "F",         "G",     "H",  "I",    "J",
    "K",         "L",    "M",   "N",   "O",     "P",      "Q",         "R",     "S",  "T",    "U",
    "V",         "W",    "X",   "Y",   "Z",     ",",      ".",         "-",     "/",  "[",    "]",
    "\\",        "/",    "=",   ";",   "`",     "Space",  "Left",      "Right", "Up", "Down", "Page Up",
    "Page Down", "Home", "End", "Esc", "Enter", "Delete", "Backspace",
};

namespace {

constexpr bool KeyListsAreSound() {
    // Every punctuation key also names itself in the CharKeyTable.
    for (const PunctuationKey& key : kPunctuationKeys) {
        if (key.virtualKey == 0 || kCharKeyTable[static_cast<unsigned char>(key.character)] != key.character) {
            return false;
        }
    }
    for (const char* name : kShortcutKeyList) {
        if (name == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(KeyListsAreSound());

}  // namespace

}  // namespace tessary::lexicon_tables
