// The KeywordTable of the lexicon as a constant of the program, for the
// readers of menu code that index it when they are compiled. Everyone else
// reads it through KeywordAt (lexicon.h). Its soundness is checked in
// lexicon_tables.cpp.
#pragma once

#include "model/lexicon.h"

namespace tessary {

// In the order the parser tries them: a text that begins with another entry's
// text stands before that entry.
inline constexpr KeywordEntry kKeywordTable[kKeywordCount] = {
    {"FM_MENUITEMSEPARATOR", 20, TokenClass::SeparatorItem},
    {"FM_MENUSCRIPTITEM", 17, TokenClass::ScriptItem},
    {"FM_MACPREFERENCES", 17, TokenClass::MacPreferencesItem},
    {"FM_MACQUITITEM", 14, TokenClass::MacQuitItem},
    {"FM_CONTEXTMENU", 14, TokenClass::ContextMenu},
    {"#IF_MACCLASSIC", 14, TokenClass::PlatformMacClassic},
    {"#IF_MACCARBON", 13, TokenClass::PlatformMacX},
    {"FM_POPUPMENU", 12, TokenClass::PopupMenu},
    {"FM_APPLEMENU", 12, TokenClass::AppMenu},
    {"FM_MENUITEM", 11, TokenClass::CommandItem},
    {"FM_APPMENU", 10, TokenClass::AppMenu},
    {"FM_MENUBAR", 10, TokenClass::MenuBar},
    {"CHECK-ON", 8, TokenClass::CheckOnOption},
    {"DISABLED", 8, TokenClass::DisableOption},
    {"ENABLED", 7, TokenClass::EnableOption},
    {"FM_MENU", 7, TokenClass::Menu},
    {"#END_IF", 7, TokenClass::PlatformEnd},
    {"#IF_WIN", 7, TokenClass::PlatformWindows},
    {"#IF_MAC", 7, TokenClass::PlatformMac},
    {"STRING:", 7, TokenClass::UserStringOption},
    {"DISABLE", 7, TokenClass::DisableOption},
    {"ENABLE", 6, TokenClass::EnableOption},
    {"NONE", 4, TokenClass::NoShortcut},
    {"CTRL", 4, TokenClass::CtrlModifier},
    {"ALT", 3, TokenClass::AltModifier},
    {"{", 1, TokenClass::OpenBody},
    {"}", 1, TokenClass::CloseBody},
    {" ", 1, TokenClass::Blank},
    {"\t", 1, TokenClass::Blank},
    {"\n", 1, TokenClass::LineBreak},
    {"\r", 1, TokenClass::LineBreak},
    {"(", 1, TokenClass::OpenArguments},
    {")", 1, TokenClass::CloseArguments},
    {",", 1, TokenClass::Comma},
    {"\"", 1, TokenClass::OpeningQuote},
    {"\"", 1, TokenClass::ClosingQuote},
    {"+", 1, TokenClass::Plus},
};

}  // namespace tessary
