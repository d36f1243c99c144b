// The item rules of menu code: separators, command, script and Mac items,
// their options and shortcuts, and the keywords looked up in the lexicon's
// command and menu tables.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "menucode/syntax_parser.h"

namespace tessary {

namespace {

using TC = TokenClass;

// Longest keyword of a lexicon table: a longer text cannot name a row, so it
// is refused without a lookup.
size_t longestKeyword(FMSyntaxParser::FmTable table) {
    static const size_t longest[2] = {
        [] {
            size_t n = 0;
            for (int i = 0; i < kFmMenuCount; ++i) {
                n = std::max(n, std::strlen(FmMenuRow(i).keyword));
            }
            return n;
        }(),
        [] {
            size_t n = 0;
            for (int i = 0; i < kFmCommandCount; ++i) {
                n = std::max(n, std::strlen(FmCommandRow(i).keyword));
            }
            return n;
        }(),
    };
    return longest[table == FMSyntaxParser::FmTable::Menus ? 0 : 1];
}

}  // namespace

uint32_t FMSyntaxParser::report(const ParentState& parent, const ItemSpec& itemSpec) {
    if (itemSpec.platforms != 0 && !callbacks_.AddItem(parent.handle, itemSpec)) {
        return kParseRefused;
    }
    return kParseOk;
}

// separator := "(" ")"
uint32_t FMSyntaxParser::ReadSeparator(const ParentState& parent) {
    uint32_t st = expectOne(TC::OpenArguments);
    if (st != kParseOk || (st = expectOne(TC::CloseArguments)) != kParseOk) {
        return st;
    }
    ItemSpec itemSpec;
    itemSpec.offset = keywordAt_;
    itemSpec.platforms = platforms();
    itemSpec.kind = ItemSpecKind::Separator;
    return report(parent, itemSpec);
}

// options := { "," option }
uint32_t FMSyntaxParser::readOptionList(ItemOptions& options) {
    while (expectOne(TC::Comma) == kParseOk) {
        if (uint32_t st = ReadItemOptions(options)) {
            return st;
        }
    }
    return kParseOk;
}

// command := "(" [quoted ","] command-keyword options ")"
uint32_t FMSyntaxParser::ReadCommandItem(const ParentState& parent) {
    uint32_t st = expectOne(TC::OpenArguments);
    if (st != kParseOk) {
        return st;
    }
    ItemSpec itemSpec;
    itemSpec.offset = keywordAt_;
    itemSpec.kind = ItemSpecKind::FmCommand;
    std::string_view caption;
    if (ReadQuoted(caption) == kParseOk) {
        itemSpec.caption = caption;
        if ((st = expectOne(TC::Comma)) != kParseOk) {
            return st;
        }
    }
    if ((st = ReadTableKeyword(FmTable::Commands, itemSpec.commandId)) != kParseOk) {
        return st;
    }
    ItemOptions options;
    options.seenCheckOn = true;
    options.seenShortcut = popupMode_;
    if ((st = readOptionList(options)) != kParseOk || (st = expectOne(TC::CloseArguments)) != kParseOk) {
        return st;
    }
    itemSpec.platforms = platforms();
    itemSpec.modifiers = options.modifiers;
    itemSpec.key = options.key;
    itemSpec.enabled = options.enabled;
    itemSpec.userString = options.userString;
    return report(parent, itemSpec);
}

// script := "(" quoted "," quoted options ")"
uint32_t FMSyntaxParser::ReadScriptItem(const ParentState& parent) {
    if (noScriptItems_) {
        return kParseScriptItemsForbidden;
    }
    std::string_view caption;
    std::string_view script;
    uint32_t st = expectOne(TC::OpenArguments);
    if (st != kParseOk || (st = ReadQuoted(caption)) != kParseOk || (st = expectOne(TC::Comma)) != kParseOk ||
        (st = ReadQuoted(script)) != kParseOk) {
        return st;
    }
    ItemOptions options;
    options.seenShortcut = popupMode_;
    if ((st = readOptionList(options)) != kParseOk || (st = expectOne(TC::CloseArguments)) != kParseOk) {
        return st;
    }
    ItemSpec itemSpec;
    itemSpec.offset = keywordAt_;
    itemSpec.platforms = platforms();
    itemSpec.kind = ItemSpecKind::Script;
    itemSpec.caption = caption;
    itemSpec.modifiers = options.modifiers;
    itemSpec.key = options.key;
    itemSpec.enabled = options.enabled;
    itemSpec.userString = options.userString;
    itemSpec.scriptName = script;
    itemSpec.checkOn = options.checkOn;
    return report(parent, itemSpec);
}

// macitem := "(" quoted "," quoted { "," enable-word } ")"
uint32_t FMSyntaxParser::ReadMacItem(const ParentState& parent, ItemSpecKind kind) {
    std::string_view caption;
    std::string_view script;
    uint32_t st = expectOne(TC::OpenArguments);
    if (st != kParseOk || (st = ReadQuoted(caption)) != kParseOk || (st = expectOne(TC::Comma)) != kParseOk ||
        (st = ReadQuoted(script)) != kParseOk) {
        return st;
    }
    ItemOptions options;
    options.seenShortcut = true;
    options.seenUserString = true;
    options.seenCheckOn = true;
    if ((st = readOptionList(options)) != kParseOk || (st = expectOne(TC::CloseArguments)) != kParseOk) {
        return st;
    }
    ItemSpec itemSpec;
    itemSpec.offset = keywordAt_;
    itemSpec.platforms = platforms();
    itemSpec.kind = kind;
    itemSpec.caption = caption;
    itemSpec.enabled = options.enabled;
    itemSpec.scriptName = script;
    return report(parent, itemSpec);
}

// option := shortcut | enable-word | "STRING:" quoted | "CHECK-ON"      (option words ignore case)
uint32_t FMSyntaxParser::ReadItemOptions(ItemOptions& options) {
    uint32_t st = kParseOk;
    if (!options.seenShortcut) {
        int modifiers = 0;
        int key = 0;
        st = ReadShortcut(modifiers, key);
        if (st == kParseOk) {
            options.modifiers = modifiers;
            options.key = key;
            options.seenShortcut = true;
            return kParseOk;
        }
    }
    if (!options.seenEnable) {
        int entry = 0;
        st = expect(tokenSet(TC::DisableOption, TC::EnableOption), true, &entry);
        if (st == kParseOk) {
            options.enabled = entryClass(entry) == TC::EnableOption ? 1 : 0;
            options.seenEnable = true;
            return kParseOk;
        }
    }
    if (!options.seenUserString) {
        st = expect(tokenBit(TC::UserStringOption), true);
        std::string_view text;
        if (st == kParseOk && (st = ReadQuoted(text)) == kParseOk) {
            options.userString = text;
            options.seenUserString = true;
            return kParseOk;
        }
    }
    if (!options.seenCheckOn) {
        st = expect(tokenBit(TC::CheckOnOption), true);
        if (st == kParseOk) {
            options.checkOn = 1;
            options.seenCheckOn = true;
        }
    }
    return st;
}

// shortcut := NONE | [modifier "+" [modifier "+"]] quoted-key       modifier := CTRL | ALT
// The item's shortcut changes only when the whole option reads.
uint32_t FMSyntaxParser::ReadShortcut(int& modifiers, int& key) {
    if (expectOne(TC::NoShortcut) == kParseOk) {
        modifiers = 0;
        key = 0;
        return kParseOk;
    }
    int mods = 0;
    for (int i = 0; i < 2; ++i) {
        int entry = 0;
        if (expect(tokenSet(TC::NoShortcut, TC::CtrlModifier, TC::AltModifier), false, &entry) != kParseOk) {
            break;
        }
        const TokenClass modifier = entryClass(entry);
        if (modifier == TC::NoShortcut) {
            return kParseMisplaced;
        }
        mods |= modifier == TC::CtrlModifier ? kModCtrl : kModAlt;
        if (uint32_t st = expectOne(TC::Plus)) {
            return st;
        }
    }
    std::string_view name;
    if (uint32_t st = ReadQuoted(name)) {
        return st;
    }
    int keyCode = 0;
    bool functionKey = false;
    if (!ParseKeyName(name, keyCode, functionKey)) {
        return kParseUnknownKeyName;
    }
    if (mods == 0 && !functionKey) {
        mods = kModCtrl;
    }
    if (keyCode == 0) {
        mods = 0;
    }
    modifiers = mods;
    key = keyCode;
    return kParseOk;
}

// keyword := the text up to the next "," or ")", less trailing blanks and tabs
uint32_t FMSyntaxParser::ReadTableKeyword(FmTable table, uint32_t& id) {
    SkipWhitespace();
    uint32_t distance = 0;
    if (distanceToAny(tokenSet(TC::Comma, TC::CloseArguments), distance) != kParseOk) {
        return kParseMissingToken;
    }
    const uint32_t begin = position();
    const uint32_t end = trimBlanksBefore(begin, begin + distance);
    const std::string_view keyword(text_ + begin, end - begin);
    bool found = false;
    uint32_t foundId = 0;
    if (keyword.size() <= longestKeyword(table)) {
        found = table == FmTable::Menus ? LookupFmMenuByKeyword(keyword, foundId)
                                        : LookupFmCommandByKeyword(keyword, foundId);
    }
    if (!found) {
        return table == FmTable::Menus ? kParseUnknownMenu : kParseUnknownCommand;
    }
    id = foundId;
    setPosition(begin + distance);
    return kParseOk;
}

}  // namespace tessary
