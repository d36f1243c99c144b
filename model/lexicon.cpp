// Lookups over the lexicon tables and the conversions between the three forms
// of a shortcut: KeyCode and modifiers (menu code), packed virtual key (the
// record) and display name (dialogs and menus).
#include "model/lexicon.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>

#include "model/keyword_table.h"
#include "model/lexicon_tables.h"

namespace tessary {

using lexicon_tables::FmTable;

namespace {

template <typename Word>
Word LoadWord(const char* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Whether two texts of one size hold the same bytes, a word at a time: the
// words from the start, and the last eight bytes as one word that may overlap
// the one before. No byte outside either text is read.
bool SameBytes(std::string_view a, std::string_view b) {
    const size_t size = a.size();
    if (size >= 8) {
        for (size_t at = 0; at + 8 < size; at += 8) {
            if (LoadWord<uint64_t>(a.data() + at) != LoadWord<uint64_t>(b.data() + at)) {
                return false;
            }
        }
        return LoadWord<uint64_t>(a.data() + size - 8) == LoadWord<uint64_t>(b.data() + size - 8);
    }
    if (size >= 4) {
        return LoadWord<uint32_t>(a.data()) == LoadWord<uint32_t>(b.data()) &&
               LoadWord<uint32_t>(a.data() + size - 4) == LoadWord<uint32_t>(b.data() + size - 4);
    }
    return a == b;
}

// The row whose keyword equals the text but for case; keywords are unique in
// that sense, so the first equal one met in the hash slots is the only one.
const FmTableRow* FindByKeyword(const FmTable& table, std::string_view keyword) {
    for (uint32_t slot = lexicon_tables::HashFolded(keyword) & table.hashMask;; slot = (slot + 1) & table.hashMask) {
        const uint8_t row = table.rowsByHash[slot];
        if (row == lexicon_tables::kNoRow) {
            return nullptr;
        }
        if (table.keywordLengths[row] != keyword.size()) {
            continue;
        }
        // Keywords are mostly written as the table spells them.
        const std::string_view rowKeyword(table.keywordText + row * lexicon_tables::kKeywordStride, keyword.size());
        if (SameBytes(rowKeyword, keyword) || lexicon_tables::CompareFolded(rowKeyword, keyword) == 0) {
            return &table.rows[row];
        }
    }
}

const FmTableRow* FindById(const FmTable& table, uint32_t id) {
    if (id > table.maxId || table.rowOfId[id] == lexicon_tables::kNoRow) {
        return nullptr;
    }
    return &table.rows[table.rowOfId[id]];
}

bool LookupByKeyword(const FmTable& table, std::string_view keyword, uint32_t& id) {
    const FmTableRow* row = FindByKeyword(table, keyword);
    if (row == nullptr) {
        return false;
    }
    id = row->id;
    return true;
}

bool LookupKeyword(const FmTable& table, uint32_t id, std::string_view& keyword) {
    const FmTableRow* row = FindById(table, id);
    if (row == nullptr) {
        return false;
    }
    keyword = std::string_view(row->keyword, table.keywordLengths[row - table.rows]);
    return true;
}

bool LookupCaption(const FmTable& table, uint32_t id, std::string_view& caption) {
    const FmTableRow* row = FindById(table, id);
    if (row == nullptr || row->caption == nullptr) {
        return false;
    }
    caption = std::string_view(row->caption, table.captionLengths[row - table.rows]);
    return true;
}

constexpr uint8_t kSpaceKey = 32;

bool IsDigitOrCapital(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

const lexicon_tables::PunctuationKey* PunctuationByCharacter(int c) {
    for (const lexicon_tables::PunctuationKey& key : lexicon_tables::kPunctuationKeys) {
        if (static_cast<unsigned char>(key.character) == c) {
            return &key;
        }
    }
    return nullptr;
}

const lexicon_tables::PunctuationKey* PunctuationByVirtualKey(uint8_t virtualKey) {
    for (const lexicon_tables::PunctuationKey& key : lexicon_tables::kPunctuationKeys) {
        if (key.virtualKey == virtualKey) {
            return &key;
        }
    }
    return nullptr;
}

// The first KeyNameTable entry with the virtual key, so 13 is ENTER.
const KeyNameEntry* KeyNameByVirtualKey(uint8_t virtualKey) {
    for (const KeyNameEntry& entry : lexicon_tables::kKeyNameTable) {
        if (entry.virtualKey == virtualKey) {
            return &entry;
        }
    }
    return nullptr;
}

// The KeyCode a virtual key turns back into: digits, capitals and space as
// they are, the punctuation keys as their character, the named keys by the
// first KeyNameTable entry with the key (so 13 is ENTER); 0 for any other.
int KeyCodeOfVirtualKey(uint8_t virtualKey) {
    if (virtualKey == kSpaceKey || IsDigitOrCapital(virtualKey)) {
        return virtualKey;
    }
    if (const lexicon_tables::PunctuationKey* key = PunctuationByVirtualKey(virtualKey)) {
        return static_cast<unsigned char>(key->character);
    }
    if (const KeyNameEntry* entry = KeyNameByVirtualKey(virtualKey)) {
        return entry->keyCode;
    }
    return 0;
}

}  // namespace

const KeywordEntry& KeywordAt(int index) {
    assert(index >= 0 && index < kKeywordCount);
    return kKeywordTable[index];
}

const FmTableRow& FmCommandRow(int row) {
    assert(row >= 0 && row < kFmCommandCount);
    return lexicon_tables::kFmCommands.rows[row];
}

const FmTableRow& FmMenuRow(int row) {
    assert(row >= 0 && row < kFmMenuCount);
    return lexicon_tables::kFmMenus.rows[row];
}

bool LookupFmCommandByKeyword(std::string_view keyword, uint32_t& id) {
    return LookupByKeyword(lexicon_tables::kFmCommands, keyword, id);
}

bool LookupFmCommandKeyword(uint32_t id, std::string_view& keyword) {
    return LookupKeyword(lexicon_tables::kFmCommands, id, keyword);
}

bool LookupFmMenuKeyword(uint32_t id, std::string_view& keyword) {
    return LookupKeyword(lexicon_tables::kFmMenus, id, keyword);
}

bool LookupFmMenuByKeyword(std::string_view keyword, uint32_t& id) {
    return LookupByKeyword(lexicon_tables::kFmMenus, keyword, id);
}

bool LookupFmCommandCaption(uint32_t id, std::string_view& caption) {
    return LookupCaption(lexicon_tables::kFmCommands, id, caption);
}

bool LookupFmMenuCaption(uint32_t id, std::string_view& caption) {
    return LookupCaption(lexicon_tables::kFmMenus, id, caption);
}

const KeyNameEntry& KeyNameAt(int index) {
    assert(index >= 0 && index < kKeyNameCount);
    return lexicon_tables::kKeyNameTable[index];
}

int CharKeyCode(unsigned char c) {
    return c < lexicon_tables::kCharKeyTable.size() ? lexicon_tables::kCharKeyTable[c] : 0;
}

bool ParseKeyName(std::string_view name, int& keyCode, bool& isFunctionKey) {
    keyCode = 0;
    isFunctionKey = false;
    if (name.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(name[0]);
        if (c >= 127) {
            return false;
        }
        keyCode = CharKeyCode(c);
        return true;
    }
    // The names by length and last character (no two names share both, but
    // for the slots that hold several, tried in table order), made once.
    struct Slot {
        std::string_view name;
        int position;
    };
    static const std::array<std::array<Slot, 4>, 64> slots = [] {
        std::array<std::array<Slot, 4>, 64> made{};
        for (int i = 0; i < kKeyNameCount; ++i) {
            const std::string_view keyName = lexicon_tables::kKeyNameTable[i].name;
            auto& slot = made[(keyName.size() * 8 + static_cast<unsigned char>(keyName.back())) & 63];
            auto place = std::find_if(slot.begin(), slot.end(), [](const Slot& s) { return s.name.empty(); });
            assert(place != slot.end());
            *place = Slot{keyName, i + 1};
        }
        return made;
    }();
    if (name.empty()) {
        return false;
    }
    for (const Slot& place : slots[(name.size() * 8 + static_cast<unsigned char>(name.back())) & 63]) {
        if (place.name.empty()) {
            break;
        }
        if (place.name == name) {
            keyCode = -place.position;
            isFunctionKey = keyCode < -13;
            return true;
        }
    }
    return false;
}

uint8_t KeyCodeToVirtualKey(int keyCode, std::string* displayName) {
    if (keyCode >= -kKeyNameCount && keyCode <= -1) {
        const KeyNameEntry& entry = lexicon_tables::kKeyNameTable[-keyCode - 1];
        if (displayName != nullptr) {
            displayName->append(entry.displayName);
        }
        return entry.virtualKey;
    }
    if (keyCode == kSpaceKey) {
        if (displayName != nullptr) {
            displayName->append("Space");
        }
        return kSpaceKey;
    }
    uint8_t virtualKey = 0;
    if (IsDigitOrCapital(keyCode)) {
        virtualKey = static_cast<uint8_t>(keyCode);
    } else if (const lexicon_tables::PunctuationKey* key = PunctuationByCharacter(keyCode)) {
        virtualKey = key->virtualKey;
    } else {
        return 0;
    }
    if (displayName != nullptr) {
        displayName->push_back(static_cast<char>(keyCode));
    }
    return virtualKey;
}

uint16_t PackShortcut(int keyCode, int mods) {
    if (keyCode == 0) {
        return 0;  // no key: no shortcut (the case of most items)
    }
    // A KeyCode without a virtual key packs to no shortcut at all rather than
    // to modifiers alone, which no dialog could show or menu code express.
    const uint8_t virtualKey = KeyCodeToVirtualKey(keyCode);
    if (virtualKey == 0) {
        return 0;
    }
    uint16_t shortcut = virtualKey;
    if (mods & kModCtrl) {
        shortcut |= kShortcutCtrl;
    }
    if (mods & kModAlt) {
        shortcut |= kShortcutAlt;
    }
    return shortcut;
}

void VirtualKeyToKeyCode(uint16_t shortcut, int& keyCode, int& mods) {
    keyCode = 0;
    mods = 0;
    if (shortcut == 0) {
        return;
    }
    if (shortcut & kShortcutCtrl) {
        mods |= kModCtrl;
    }
    if (shortcut & kShortcutAlt) {
        mods |= kModAlt;
    }
    // The KeyCode of every virtual key, worked out once.
    static const std::array<int8_t, 256> keyCodes = [] {
        std::array<int8_t, 256> codes{};
        for (int virtualKey = 0; virtualKey < 256; ++virtualKey) {
            codes[virtualKey] = static_cast<int8_t>(KeyCodeOfVirtualKey(static_cast<uint8_t>(virtualKey)));
        }
        return codes;
    }();
    keyCode = keyCodes[shortcut & 0xFF];
}

uint8_t DisplayNameToVirtualKey(std::string_view displayName) {
    if (displayName == " " || displayName == "Space") {
        return kSpaceKey;
    }
    if (displayName.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(displayName[0]);
        if (IsDigitOrCapital(c)) {
            return c;
        }
        // The dialogs offer no apostrophe, so its name is not read back.
        const lexicon_tables::PunctuationKey* key = PunctuationByCharacter(c);
        return key != nullptr && key->character != '\'' ? key->virtualKey : 0;
    }
    for (const KeyNameEntry& entry : lexicon_tables::kKeyNameTable) {
        if (displayName == entry.displayName) {
            return entry.virtualKey;
        }
    }
    return 0;
}

bool VirtualKeyToDisplayName(uint8_t virtualKey, std::string& displayName) {
    if (virtualKey == kSpaceKey) {
        displayName = "Space";
    } else if (IsDigitOrCapital(virtualKey)) {
        displayName.assign(1, static_cast<char>(virtualKey));
    } else if (const lexicon_tables::PunctuationKey* key = PunctuationByVirtualKey(virtualKey)) {
        displayName.assign(1, key->character);
    } else if (const KeyNameEntry* entry = KeyNameByVirtualKey(virtualKey)) {
        displayName = entry->displayName;
    } else {
        return false;
    }
    return true;
}

const char* ShortcutKeyListAt(int index) {
    assert(index >= 0 && index < kShortcutKeyListCount);
    return lexicon_tables::kShortcutKeyList[index];
}

}  // namespace tessary
