// The grammar rules of menu code. Each rule starts after its keyword, reports
// what it reads through the callbacks and returns a ParseStatus; the first
// failure ends the parse, except inside an application menu, whose loop goes
// on with the next keyword where a failing construct stopped.
#include "menucode/syntax_parser.h"
#include "menucode/parser.h"
#include "menucode/view_copy.h"

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
      noScriptItems_(noScriptItems) {
    useIndex(kLexiconIndex);
}

void FMSyntaxParser::readPlainly() {
    plain_ = true;
    readEntryByEntry();
}

int FMSyntaxParser::TokenCount() const {
    return kKeywordCount;
}

const KeywordEntry& FMSyntaxParser::TokenAt(int index) const {
    return KeywordAt(index);
}

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
    expect(tokenBit(TC::MenuBar));
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
    expect(tokenBit(keyword));
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
    if (uint32_t st = takeOne<TC::OpenArguments>()) {
        return st;
    }
    std::string_view ignored;
    quoted(ignored);  // the menu bar's own text is not used
    if (uint32_t st = takeOne<TC::CloseArguments>()) {
        return st;
    }
    if (uint32_t st = takeOne<TC::OpenBody>()) {
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
    if (takeOne<TC::AppMenu>() == kParseOk) {
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
        if (takeOne<TC::Menu>() != kParseOk) {
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
    if ((st = takeOne<TC::CloseBody>()) != kParseOk) {
        callbacks_.AbortMenuBar(bar);
        return st;
    }
    return kParseOk;
}

template <TokenClass Keyword>
uint32_t FMSyntaxParser::readConstruct(ParentState& parent) {
    if constexpr (Keyword == TC::SeparatorItem) {
        return ReadSeparator(parent);
    } else if constexpr (Keyword == TC::ScriptItem) {
        return ReadScriptItem(parent);
    } else if constexpr (Keyword == TC::CommandItem) {
        return ReadCommandItem(parent);
    } else if constexpr (Keyword == TC::Menu) {
        return ReadMenu(parent, false);
    } else if constexpr (Keyword == TC::MacQuitItem) {
        return ReadMacItem(parent, ItemSpecKind::MacQuit);
    } else {
        static_assert(Keyword == TC::MacPreferencesItem);
        return ReadMacItem(parent, ItemSpecKind::MacPreferences);
    }
}

// One pass of a body loop: which body it is, and what the pass did: read a
// construct (again), or met a failure that ends the body.
struct FMSyntaxParser::BodyStep {
    bool appMenuBody = false;
    bool again = false;
    uint32_t failure = kParseOk;
};

// One keyword of a body loop: kNotHere when the next keyword is to be tried,
// else what the pass came to: kParseOk when a construct was read (another
// pass follows), kPassOver when nothing more is read, any other status when
// a failure ends the body. In a menu body a construct that fails with status
// 1 lets the next keyword be tried at the position where it stopped, and any
// other failure ends the body. In the body of an application menu every
// failure lets the next keyword be tried, and a failure counts as read when
// the application menu has no handle; only nesting too deep ends the pass
// there (the caller sees depthExceeded_). The outcome is a value rather than
// fields written through a reference: a pass is returned in registers, and
// reading back fields just written costs a wait in the processor.
template <TokenClass Keyword>
uint32_t FMSyntaxParser::tryConstruct(ParentState& self, bool appMenuBody, bool standsHere) {
    if (standsHere) {
        // Found by the look at the position: move past it.
        constexpr int kEntry = std::countr_zero(kLexiconIndex.entriesOf(tokenBit(Keyword)));
        pos_ += kLexiconIndex.length(kEntry);
    } else if (takeOne<Keyword>() != kParseOk) {
        return kNotHere;
    }
    uint32_t st = readConstruct<Keyword>(self);
    if (st == kParseOk) {
        st = ProcessDirective();
    }
    if (appMenuBody) {
        if (depthExceeded_) {
            return kPassOver;
        }
        return st == kParseOk || self.handle == 0 ? kParseOk : kNotHere;
    }
    return st == kParseMissingToken ? kNotHere : st;
}

// The keywords are tried in the order given, each at the position where the
// one before left it. One look at the position finds the first keyword there;
// those before it are absent and need no try.
template <TokenClass... Keywords>
FMSyntaxParser::BodyStep FMSyntaxParser::readBodyStep(ParentState& self, bool appMenuBody) {
    uint32_t outcome = kNotHere;
    if (plain_) {
        (((outcome = tryConstruct<Keywords>(self, appMenuBody, false)) != kNotHere) || ...);
    } else {
        skipWhiteSpace();
        int first = 0;
        const bool any = ((match<tokenBit(Keywords)>() >= 0 || (++first, false)) || ...);
        int index = 0;
        any &&
            ((index < first ? (++index, false)
                            : ((outcome = tryConstruct<Keywords>(self, appMenuBody, index++ == first)) != kNotHere)) ||
             ...);
    }
    BodyStep step;
    step.appMenuBody = appMenuBody;
    step.again = outcome == kParseOk;
    step.failure = outcome == kNotHere || outcome == kPassOver ? kParseOk : outcome;
    return step;
}

// menu := "(" quoted ["," keyword] | keyword ")" "{" body "}"    (top-level form: "(" ")" "{" body "}")
// body := [directive] { [directive] (separator | script | command | FM_MENU menu) [directive] }
//
// The menus nested in a body are read in the same loop, one frame each,
// rather than by the rule calling itself: nesting can be as deep as
// kMaxMenuDepth, and returning through that many calls costs more than the
// reading. Each frame goes through the steps the rule would: openMenu, the
// body passes, closeMenu; a nested menu's status is what the construct read
// in its parent's body gives.
// The menu's heading up to its opening brace, and its BeginMenu. Counts the
// menu as open (depth_) unless it fails.
uint32_t FMSyntaxParser::openMenu(MenuFrame& frame, bool topLevelForm) {
    if (depth_ >= kMaxMenuDepth) {
        depthExceeded_ = true;
        return kParseMisplaced;
    }
    ++depth_;
    const uint32_t st = readMenuHeading(frame, topLevelForm);
    if (st != kParseOk) {
        --depth_;
    }
    return st;
}

uint32_t FMSyntaxParser::readMenuHeading(MenuFrame& frame, bool topLevelForm) {
    uint32_t st = takeOne<TC::OpenArguments>();
    if (st != kParseOk) {
        return st;
    }
    MenuSpec& menuSpec = frame.menuSpec;
    menuSpec = MenuSpec();
    if (!topLevelForm) {
        std::string_view caption;
        st = quoted(caption);
        if (st == kParseOk) {
            setView(menuSpec.caption, caption);
            if (takeOne<TC::Comma>() == kParseOk && (st = ReadTableKeyword(FmTable::Menus, menuSpec.fmMenuId))) {
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
    if ((st = takeOne<TC::CloseArguments>()) != kParseOk) {
        return st;
    }
    menuSpec.platforms = platforms();
    if ((st = takeOne<TC::OpenBody>()) != kParseOk) {
        return st;
    }
    MenuHandle handle = 0;
    if (menuSpec.platforms != 0) {
        handle = callbacks_.BeginMenu(menuSpec);
        if (handle == 0) {
            return kParseRefused;
        }
    }
    frame.self = ParentState{ParentKind::Menu, handle};
    return ProcessDirective();
}

// The closing brace of an open menu and its attachment to the parent. The
// menu no longer counts as open, whatever the status.
uint32_t FMSyntaxParser::closeMenu(MenuFrame& frame, ParentState& parent) {
    --depth_;
    const MenuHandle handle = frame.self.handle;
    if (uint32_t st = takeOne<TC::CloseBody>()) {
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
            accepted = callbacks_.AttachMenuToBar(parent.handle, handle, frame.menuSpec);
            break;
        case ParentKind::Menu:
            accepted = callbacks_.AttachSubmenu(parent.handle, handle, frame.menuSpec);
            break;
    }
    if (!accepted) {
        callbacks_.DiscardMenu(handle);
        return kParseRefused;
    }
    return kParseOk;
}

uint32_t FMSyntaxParser::ReadMenu(ParentState& parent, bool topLevelForm) {
    if (!menuFrames_) {
        menuFrames_ = std::make_unique<MenuFrame[]>(kMaxMenuDepth + 1);
    }
    MenuFrame* frames = menuFrames_.get();
    uint32_t st = openMenu(frames[0], topLevelForm);
    if (st != kParseOk) {
        return st;
    }
    int top = 0;  // the innermost open menu
    auto parentOf = [&](int index) -> ParentState& { return index == 0 ? parent : frames[index - 1].self; };
    for (;;) {
        // One pass of the body of the innermost open menu.
        MenuFrame& frame = frames[top];
        bool ended = true;  // the menu is done, and st is what reading it gives
        if ((st = ProcessDirective()) != kParseOk) {
            --depth_;
        } else if (const BodyStep step =
                       readBodyStep<TC::SeparatorItem, TC::ScriptItem, TC::CommandItem>(frame.self, false);
                   step.failure != kParseOk) {
            st = step.failure;
            --depth_;
        } else if (step.again) {
            continue;
        } else if (takeOne<TC::Menu>() == kParseOk) {
            if ((st = openMenu(frames[top + 1], false)) == kParseOk) {
                ++top;
                continue;
            }
            ended = false;  // a nested menu that failed before its body
        } else {
            st = closeMenu(frame, parentOf(top));
        }
        // st is the status of a nested menu read as a construct of the body
        // of frames[top] (once the menu that ended is left): the body goes on
        // after it, or ends there, or fails with it.
        for (;;) {
            if (ended) {
                if (top == 0) {
                    return st;
                }
                --top;
            }
            if (st == kParseOk) {
                st = ProcessDirective();
            }
            if (st == kParseOk) {
                break;
            }
            if (st != kParseMissingToken) {
                --depth_;
            } else {
                st = closeMenu(frames[top], parentOf(top));
            }
            ended = true;
        }
    }
}

// appmenu := "(" [quoted] ")" "{" { separator | script | command | FM_MENU menu | macitem } "}"
uint32_t FMSyntaxParser::ReadAppMenu(const ParentState& parent) {
    DepthGuard depth(*this);
    if (depth.refused()) {
        return kParseMisplaced;
    }
    uint32_t st = takeOne<TC::OpenArguments>();
    if (st != kParseOk) {
        return st;
    }
    std::string_view caption("");
    st = quoted(caption);
    if (st != kParseOk && st != kParseMissingToken) {
        return st;
    }
    if ((st = takeOne<TC::CloseArguments>()) != kParseOk || (st = takeOne<TC::OpenBody>()) != kParseOk) {
        return st;
    }
    MenuHandle handle = 0;
    if (callbacks_.BeginAppMenu) {
        handle = callbacks_.BeginAppMenu();
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
    ParentState self{ParentKind::Menu, handle};
    for (bool again = true; again;) {
        if ((st = ProcessDirective()) != kParseOk) {
            return st;
        }
        const BodyStep step = readBodyStep<TC::MacQuitItem, TC::SeparatorItem, TC::ScriptItem, TC::CommandItem,
                                           TC::Menu, TC::MacPreferencesItem>(self, true);
        again = step.again;
        if (depthExceeded_) {
            return kParseMisplaced;  // too deep is final, wherever it happens
        }
    }
    if ((st = takeOne<TC::CloseBody>()) != kParseOk) {
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
    int entry = 0;
    if (take<kDirectives>(&entry) != kParseOk) {
        return kParseOk;
    }
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
    return lineBreak(false);
}

}  // namespace tessary
