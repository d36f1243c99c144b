// The grammar rules of menu code. Each rule starts after its keyword, reports
// what it reads through the callbacks and returns a ParseStatus; the first
// failure ends the parse, except inside an application menu, whose loop goes
// on with the next keyword where a failing construct stopped.
#include "menucode/syntax_parser.h"
#include "menucode/parser.h"

namespace tessary {

namespace {

using TC = TokenClass;

constexpr TokenSet kDirectives =
    tokenSet(TC::PlatformMacClassic, TC::PlatformMacX, TC::PlatformEnd, TC::PlatformWindows, TC::PlatformMac);

}  // namespace

// Counts open menus; past kMaxMenuDepth the rule refuses to go deeper.
class FMSyntaxParser::DepthGuard {
public:
    explicit DepthGuard(FMSyntaxParser& parser) : parser_(parser) {
        if (parser_.depth_ >= kMaxMenuDepth) {
            parser_.depthExceeded_ = true;
            entered_ = false;
        } else {
            ++parser_.depth_;
            entered_ = true;
        }
    }
    ~DepthGuard() {
        if (entered_) {
            --parser_.depth_;
        }
    }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    bool refused() const { return !entered_; }

private:
    FMSyntaxParser& parser_;
    bool entered_;
};

FMSyntaxParser::FMSyntaxParser(const ParseCallbacks& callbacks,
                               const char* text,
                               uint32_t length,
                               uint32_t requestedPlatforms,
                               bool noScriptItems)
    : FMSyntaxParserBase(text, length),
      callbacks_(callbacks),
      requestedPlatforms_(requestedPlatforms),
      noScriptItems_(noScriptItems) {}

namespace {

bool hasSlots(const ParseCallbacks& cb, bool menuBar) {
    if (!cb.BeginMenu || !cb.DiscardMenu || !cb.AddItem || !cb.AttachSubmenu) {
        return false;
    }
    if (menuBar && (!cb.BeginMenuBar || !cb.AbortMenuBar || !cb.AttachMenuToBar)) {
        return false;
    }
    return static_cast<bool>(cb.BeginAppMenu) == static_cast<bool>(cb.NameAppMenu);
}

}  // namespace

// Which kind of menu code the text holds; the position is restored.
uint32_t FMSyntaxParser::probeKind(TokenClass wanted) {
    const uint32_t start = position();
    SkipWhitespace();
    int entry = 0;
    const uint32_t st = MatchToken(tokenSet(TC::MenuBar, TC::ContextMenu, TC::PopupMenu), false, &entry);
    setPosition(start);
    if (st != kParseOk) {
        return kParseMissingToken;
    }
    return entryClass(entry) == wanted ? kParseOk : kParseOtherKind;
}

// code := FM_MENUBAR menubar [directive]
uint32_t FMSyntaxParser::ParseMenuBarText(MenuHandle* topHandle) {
    if (!hasSlots(callbacks_, true)) {
        return kParseMissingCallback;
    }
    if (text_ == nullptr || length_ == 0) {
        return kParseNoText;
    }
    if (uint32_t st = probeKind(TC::MenuBar)) {
        return st;
    }
    expectOne(TC::MenuBar);
    ParentState top;
    uint32_t st = ReadMenuBar(top);
    if (st == kParseOk) {
        st = ProcessDirective();
    }
    if (depthExceeded_) {
        return kParseMisplaced;
    }
    if (top.kind != ParentKind::MenuBar) {
        return kParseMisplaced;
    }
    if (inPlatformBlock_) {
        return kParseUnclosed;
    }
    if (st == kParseOk && topHandle) {
        *topHandle = top.handle;
    }
    return st;
}

// code := (FM_CONTEXTMENU | FM_POPUPMENU) "(" ")" "{" body "}"
uint32_t FMSyntaxParser::ParseMenuText(bool popup, MenuHandle* topHandle) {
    popupMode_ = popup;
    if (!hasSlots(callbacks_, false)) {
        return kParseMissingCallback;
    }
    if (text_ == nullptr || length_ == 0) {
        return kParseNoText;
    }
    const TokenClass keyword = popup ? TC::PopupMenu : TC::ContextMenu;
    if (uint32_t st = probeKind(keyword)) {
        return st;
    }
    expectKeyword(keyword);
    ParentState top;
    const uint32_t st = ReadMenu(top, true);
    if (depthExceeded_) {
        return kParseMisplaced;
    }
    if (top.kind != ParentKind::Menu) {
        return kParseMisplaced;
    }
    if (inPlatformBlock_) {
        return kParseUnclosed;
    }
    if (st == kParseOk && topHandle) {
        *topHandle = top.handle;
    }
    return st;
}

// menubar := "(" [quoted] ")" "{" [directive] [appmenu] { [directive] FM_MENU menu } "}"
uint32_t FMSyntaxParser::ReadMenuBar(ParentState& parent) {
    if (uint32_t st = expectOne(TC::OpenArguments)) {
        return st;
    }
    std::string_view ignored;
    ReadQuoted(ignored);  // the menu bar's own text is not used
    if (uint32_t st = expectOne(TC::CloseArguments)) {
        return st;
    }
    if (uint32_t st = expectOne(TC::OpenBody)) {
        return st;
    }
    if (uint32_t st = ProcessDirective()) {
        return st;
    }
    const MenuHandle bar = callbacks_.BeginMenuBar();
    if (bar == 0) {
        return kParseRefused;
    }
    parent = ParentState{ParentKind::MenuBar, bar};

    uint32_t st = kParseOk;
    if (expectKeyword(TC::AppMenu) == kParseOk) {
        st = ReadAppMenu(parent);
        if (st == kParseOk) {
            st = ProcessDirective();
        }
        if (st != kParseOk) {
            return st;
        }
    }
    for (;;) {
        if ((st = ProcessDirective()) != kParseOk) {
            return st;
        }
        if (expectKeyword(TC::Menu) != kParseOk) {
            break;
        }
        st = ReadMenu(parent, false);
        if (st == kParseOk) {
            st = ProcessDirective();
        }
        if (st == kParseMissingToken) {
            break;
        }
        if (st != kParseOk) {
            return st;
        }
    }
    if ((st = expectOne(TC::CloseBody)) != kParseOk) {
        callbacks_.AbortMenuBar(bar);
        return st;
    }
    return kParseOk;
}

uint32_t FMSyntaxParser::readConstruct(TokenClass keyword, ParentState& parent) {
    switch (keyword) {
        case TC::SeparatorItem:
            return ReadSeparator(parent);
        case TC::ScriptItem:
            return ReadScriptItem(parent);
        case TC::CommandItem:
            return ReadCommandItem(parent);
        case TC::Menu:
            return ReadMenu(parent, false);
        case TC::MacQuitItem:
            return ReadMacItem(parent, ItemSpecKind::MacQuit);
        case TC::MacPreferencesItem:
            return ReadMacItem(parent, ItemSpecKind::MacPreferences);
        default:
            return kParseMissingToken;
    }
}

// The heading of a menu up to its opening brace; the menu's platforms are
// those of the block open at its closing parenthesis.
uint32_t FMSyntaxParser::readMenuHeading(MenuSpec& menuSpec, bool topLevelForm) {
    uint32_t st = expectOne(TC::OpenArguments);
    if (st != kParseOk) {
        return st;
    }
    if (!topLevelForm) {
        std::string_view caption;
        st = ReadQuoted(caption);
        if (st == kParseOk) {
            menuSpec.caption = caption;
            if (expectOne(TC::Comma) == kParseOk && (st = ReadTableKeyword(FmTable::Menus, menuSpec.fmMenuId))) {
                return st;
            }
        } else if (st == kParseMissingToken) {
            if ((st = ReadTableKeyword(FmTable::Menus, menuSpec.fmMenuId)) != kParseOk) {
                return st;
            }
        } else {
            return st;
        }
    }
    if ((st = expectOne(TC::CloseArguments)) != kParseOk) {
        return st;
    }
    menuSpec.platforms = platforms();
    return expectOne(TC::OpenBody);
}

// menu := "(" quoted ["," keyword] | keyword ")" "{" body "}"    (top-level form: "(" ")" "{" body "}")
// body := [directive] { [directive] (separator | script | command | FM_MENU menu) [directive] }
// A construct of the body that fails with status 1 lets the next keyword be
// tried where it stopped; any other failure ends the menu without DiscardMenu.
uint32_t FMSyntaxParser::ReadMenu(ParentState& parent, bool topLevelForm) {
    DepthGuard depth(*this);
    if (depth.refused()) {
        return kParseMisplaced;
    }
    MenuSpec menuSpec;
    menuSpec.offset = keywordAt_;
    uint32_t st = readMenuHeading(menuSpec, topLevelForm);
    if (st != kParseOk) {
        return st;
    }
    MenuHandle handle = 0;
    if (menuSpec.platforms != 0) {
        handle = callbacks_.BeginMenu(menuSpec);
        if (handle == 0) {
            return kParseRefused;
        }
    }
    if ((st = ProcessDirective()) != kParseOk) {
        return st;
    }

    static constexpr TokenClass kBody[] = {TC::SeparatorItem, TC::ScriptItem, TC::CommandItem, TC::Menu};
    ParentState self{ParentKind::Menu, handle};
    for (bool again = true; again;) {
        if ((st = ProcessDirective()) != kParseOk) {
            return st;
        }
        again = false;
        // Unrolled, so that each keyword is a constant where it is looked for.
#pragma GCC unroll 8
        for (TokenClass keyword : kBody) {
            if (expectKeyword(keyword) != kParseOk) {
                continue;
            }
            st = readConstruct(keyword, self);
            if (st == kParseOk) {
                st = ProcessDirective();
            }
            if (st == kParseOk) {
                again = true;
                break;
            }
            if (st != kParseMissingToken) {
                return st;
            }
        }
    }
    if ((st = expectOne(TC::CloseBody)) != kParseOk) {
        callbacks_.DiscardMenu(handle);
        return st;
    }

    if (handle == 0) {
        return kParseOk;
    }
    bool accepted = true;
    switch (parent.kind) {
        case ParentKind::None:
            parent = ParentState{ParentKind::Menu, handle};
            break;
        case ParentKind::MenuBar:
            accepted = callbacks_.AttachMenuToBar(parent.handle, handle, menuSpec);
            break;
        case ParentKind::Menu:
            accepted = callbacks_.AttachSubmenu(parent.handle, handle, menuSpec);
            break;
    }
    if (!accepted) {
        callbacks_.DiscardMenu(handle);
        return kParseRefused;
    }
    return kParseOk;
}

// appmenu := "(" [quoted] ")" "{" { separator | script | command | FM_MENU menu | macitem } "}"
uint32_t FMSyntaxParser::ReadAppMenu(const ParentState& parent) {
    DepthGuard depth(*this);
    if (depth.refused()) {
        return kParseMisplaced;
    }
    const uint32_t keywordAt = keywordAt_;
    uint32_t st = expectOne(TC::OpenArguments);
    if (st != kParseOk) {
        return st;
    }
    std::string_view caption("");
    st = ReadQuoted(caption);
    if (st != kParseOk && st != kParseMissingToken) {
        return st;
    }
    if ((st = expectOne(TC::CloseArguments)) != kParseOk || (st = expectOne(TC::OpenBody)) != kParseOk) {
        return st;
    }
    MenuHandle handle = 0;
    if (callbacks_.BeginAppMenu) {
        handle = callbacks_.BeginAppMenu(keywordAt);
        if (handle == 0) {
            return kParseRefused;
        }
    }
    if ((st = ProcessDirective()) != kParseOk) {
        return st;
    }

    // A failing construct does not end the loop: the next keyword is tried
    // where it stopped. Without an application menu of the callee's (no
    // BeginAppMenu slot) failures inside do not count at all.
    static constexpr TokenClass kBody[] = {TC::MacQuitItem, TC::SeparatorItem, TC::ScriptItem,
                                           TC::CommandItem, TC::Menu,          TC::MacPreferencesItem};
    ParentState self{ParentKind::Menu, handle};
    for (bool again = true; again;) {
        if ((st = ProcessDirective()) != kParseOk) {
            return st;
        }
        again = false;
        // Unrolled, so that each keyword is a constant where it is looked for.
#pragma GCC unroll 8
        for (TokenClass keyword : kBody) {
            if (expectKeyword(keyword) != kParseOk) {
                continue;
            }
            st = readConstruct(keyword, self);
            if (st == kParseOk) {
                st = ProcessDirective();
            }
            if (depthExceeded_) {
                return kParseMisplaced;  // too deep is final, wherever it happens
            }
            if (st == kParseOk || handle == 0) {
                again = true;
                break;
            }
        }
    }
    if ((st = expectOne(TC::CloseBody)) != kParseOk) {
        callbacks_.DiscardMenu(handle);
        return st;
    }
    if (parent.kind == ParentKind::MenuBar && callbacks_.NameAppMenu) {
        if (!callbacks_.NameAppMenu(parent.handle, handle, caption)) {
            callbacks_.DiscardMenu(handle);
            return kParseRefused;
        }
    }
    return kParseOk;
}

// directive := line-break (#IF_WIN | #IF_MAC | #IF_MACCLASSIC | #IF_MACCARBON | #END_IF) line-break
// Only the line break before the keyword is consumed here; the one after it is
// left for the next construct.
uint32_t FMSyntaxParser::readDirective() {
    SkipWhitespace();
    int entry = 0;
    if (MatchToken(kDirectives, false, &entry) != kParseOk) {
        return kParseOk;
    }
    setPosition(position() + entryLength(entry));
    const TokenClass directive = entryClass(entry);
    if (!inPlatformBlock_) {
        switch (directive) {
            case TC::PlatformWindows:
                platformBlock_ = 1;
                break;
            case TC::PlatformMac:
                platformBlock_ = 6;
                break;
            case TC::PlatformMacClassic:
                platformBlock_ = 2;
                break;
            case TC::PlatformMacX:
                platformBlock_ = 4;
                break;
            default:
                return kParseEndIfOutsideBlock;
        }
        inPlatformBlock_ = 1;
    } else if (directive == TC::PlatformEnd) {
        inPlatformBlock_ = 0;
        platformBlock_ = 7;
    } else {
        return kParseNestedIf;
    }
    return ExpectLineBreak(false);
}

}  // namespace tessary
