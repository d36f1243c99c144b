// Fuzzes the lexicon's lookups with arbitrary text. The hashed keyword
// lookups and the key-name slots must agree with a plain walk over the
// tables; what is found must lead back to the text; the shortcut forms must
// convert into each other and back.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/lexicon.h"

namespace {

using namespace tessary;

void check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool equalFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The first row whose keyword equals the text but for case, walking the table.
template <typename RowAt>
bool walkTable(RowAt rowAt, int rows, std::string_view text, uint32_t& id) {
    for (int i = 0; i < rows; ++i) {
        if (equalFolded(rowAt(i).keyword, text)) {
            id = rowAt(i).id;
            return true;
        }
    }
    return false;
}

void checkKeywordLookups(std::string_view text) {
    uint32_t found = 0;
    uint32_t walked = 0;
    const bool isCommand = LookupFmCommandByKeyword(text, found);
    check(isCommand == walkTable(FmCommandRow, kFmCommandCount, text, walked));
    if (isCommand) {
        check(found == walked);
        std::string_view keyword;
        check(LookupFmCommandKeyword(found, keyword) && equalFolded(keyword, text));
    }
    const bool isMenu = LookupFmMenuByKeyword(text, found);
    check(isMenu == walkTable(FmMenuRow, kFmMenuCount, text, walked));
    if (isMenu) {
        check(found == walked);
        std::string_view keyword;
        check(LookupFmMenuKeyword(found, keyword) && equalFolded(keyword, text));
        std::string_view caption;
        check(LookupFmMenuCaption(found, caption) && !caption.empty());
    }
}

void checkKeyName(std::string_view text) {
    int keyCode = 99;
    bool isFunctionKey = true;
    const bool known = ParseKeyName(text, keyCode, isFunctionKey);
    // One character below 127 names itself; longer names are the table's, exactly.
    int walked = 0;
    if (text.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        check(known == (c < 127));
        if (known) {
            check(keyCode == CharKeyCode(c) && !isFunctionKey);
        }
        return;
    }
    for (int i = 0; i < kKeyNameCount && walked == 0; ++i) {
        if (text == KeyNameAt(i).name) {
            walked = -(i + 1);
        }
    }
    check(known == (walked != 0));
    if (known) {
        check(keyCode == walked);
        const std::string_view name = KeyNameAt(-keyCode - 1).name;
        check(isFunctionKey == (name.size() >= 2 && name[0] == 'F' && name[1] >= '1' && name[1] <= '9'));
    }
}

void checkDisplayName(std::string_view text) {
    const uint8_t virtualKey = DisplayNameToVirtualKey(text);
    if (virtualKey == 0) {
        return;
    }
    // A name the dialogs read back names a key whose own name reads back to it.
    std::string name;
    check(VirtualKeyToDisplayName(virtualKey, name));
    check(DisplayNameToVirtualKey(name) == virtualKey);
}

void checkShortcut(int keyCode, int mods) {
    const uint16_t packed = PackShortcut(keyCode, mods);
    if (packed == 0) {
        return;
    }
    int backCode = 0;
    int backMods = 0;
    VirtualKeyToKeyCode(packed, backCode, backMods);
    check(PackShortcut(backCode, backMods) == packed);
    check(KeyCodeToVirtualKey(backCode) == (packed & 0xFF));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkKeywordLookups(text);
    checkKeyName(text);
    checkDisplayName(text);
    if (size >= 2) {
        checkShortcut(static_cast<int8_t>(data[0]), data[1] & 3);
        checkShortcut(data[0], data[1] & 3);
    }
    return 0;
}
