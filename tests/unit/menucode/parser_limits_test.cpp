// The entry points' contract at its edges: callback tables, missing text,
// exceptions, texts without a terminating NUL, nesting depth and cost.
#include <chrono>
#include <memory>
#include <stdexcept>

#include "menucode/code_tree.h"
#include "menucode/parser.h"
#include "parser_test_support.h"

namespace tessary {
namespace {

using parser_test::crlf;

uint32_t parseKind(MenuKind kind,
                   const ParseCallbacks& cb,
                   const char* text,
                   uint32_t length,
                   uint32_t* line,
                   MenuHandle* top = nullptr,
                   uint32_t platforms = 7) {
    switch (kind) {
        case MenuKind::MainMenu:
            return ParseMenuBarCode(cb, text, length, platforms, false, top, line);
        case MenuKind::ContextMenu:
            return ParseContextMenuCode(cb, text, length, platforms, top, line);
        case MenuKind::PopupMenu:
            break;
    }
    return ParsePopupMenuCode(cb, text, length, platforms, top, line);
}

TEST(ParserLimits, MissingCallbackSlots) {
    const std::string mainText = "FM_MENUBAR ()\r\n{\r\n}\r\n";
    const std::string contextText = "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n";
    // Slot index 0-8 in table order; which kinds need it.
    struct Slot {
        int index;
        bool neededByMain;
        bool neededByContext;
    };
    const Slot slots[] = {{0, true, false}, {1, true, false}, {2, true, false}, {3, true, true}, {4, true, true},
                          {5, true, true},  {6, true, true},  {7, true, true},  {8, true, true}};
    for (const Slot& slot : slots) {
        SCOPED_TRACE(slot.index);
        ParseTracer tracer;
        ParseCallbacks cb = tracer.callbacks();
        std::function<void()> clear[] = {
            [&] { cb.BeginMenuBar = nullptr; },    [&] { cb.AbortMenuBar = nullptr; },
            [&] { cb.AttachMenuToBar = nullptr; }, [&] { cb.BeginMenu = nullptr; },
            [&] { cb.DiscardMenu = nullptr; },     [&] { cb.AddItem = nullptr; },
            [&] { cb.AttachSubmenu = nullptr; },   [&] { cb.BeginAppMenu = nullptr; },  // 8 without 9
            [&] { cb.NameAppMenu = nullptr; },             // 9 without 8
        };
        clear[slot.index]();
        uint32_t line = 99;
        EXPECT_EQ(
            slot.neededByMain ? kParseMissingCallback : kParseOk,
            ParseMenuBarCode(cb, mainText.data(), static_cast<uint32_t>(mainText.size()), 7, false, nullptr, &line));
        EXPECT_EQ(slot.neededByMain ? 1u : 4u, line);
        EXPECT_EQ(
            slot.neededByContext ? kParseMissingCallback : kParseOk,
            ParseContextMenuCode(cb, contextText.data(), static_cast<uint32_t>(contextText.size()), 7, nullptr, &line));
    }
    // Neither 8 nor 9 is fine.
    ParseTracer tracer(ParseTracer::Options{.appMenuSlots = false});
    EXPECT_EQ(kParseOk, ParseMenuBarCode(tracer.callbacks(), mainText.data(), static_cast<uint32_t>(mainText.size()), 7,
                                         false, nullptr, nullptr));
}

TEST(ParserLimits, NoText) {
    for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        SCOPED_TRACE(parser_test::kindName(kind));
        ParseTracer tracer;
        uint32_t line = 99;
        EXPECT_EQ(kParseNoText, parseKind(kind, tracer.callbacks(), nullptr, 100, &line));
        EXPECT_EQ(1u, line);
        EXPECT_EQ(kParseNoText, parseKind(kind, tracer.callbacks(), "FM_MENUBAR", 0, &line));
        EXPECT_EQ(1u, line);
        EXPECT_TRUE(tracer.lines().empty());
    }
}

TEST(ParserLimits, TopHandleIsWrittenOnSuccessOnly) {
    ParseTracer tracer;
    const std::string good = "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"A\" )\r\n\t{\r\n\t}\r\n}\r\n";
    MenuHandle top = 77;
    uint32_t line = 0;
    EXPECT_EQ(kParseMissingToken, parseKind(MenuKind::MainMenu, tracer.callbacks(), good.data(), 40, &line, &top));
    EXPECT_EQ(77u, top);  // cut short: the menu bar is not complete
    EXPECT_EQ(kParseOk, parseKind(MenuKind::MainMenu, tracer.callbacks(), good.data(),
                                  static_cast<uint32_t>(good.size()), &line, &top));
    EXPECT_EQ(3u, top);  // the second menu bar begun by this tracer

    ParseTracer contextTracer;
    const std::string context = "FM_CONTEXTMENU ( ) { }";
    EXPECT_EQ(kParseOk, parseKind(MenuKind::ContextMenu, contextTracer.callbacks(), context.data(),
                                  static_cast<uint32_t>(context.size()), &line, &top));
    EXPECT_EQ(1u, top);
}

TEST(ParserLimits, ExceptionFromACallbackGivesRefusedAndLineZero) {
    ParseTracer tracer;
    ParseCallbacks cb = tracer.callbacks();
    cb.AddItem = [](MenuHandle, const ItemSpec&) -> bool { throw std::runtime_error("no room"); };
    cb.BeginMenuBar = []() -> MenuHandle { throw std::bad_alloc(); };
    const std::string mainText = "FM_MENUBAR ()\r\n{\r\n}\r\n";
    const std::string contextText = "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEMSEPARATOR ()\r\n}\r\n";
    uint32_t line = 99;
    MenuHandle top = 5;
    EXPECT_EQ(kParseRefused,
              ParseMenuBarCode(cb, mainText.data(), static_cast<uint32_t>(mainText.size()), 7, false, &top, &line));
    EXPECT_EQ(0u, line);
    line = 99;
    EXPECT_EQ(kParseRefused,
              ParseContextMenuCode(cb, contextText.data(), static_cast<uint32_t>(contextText.size()), 7, &top, &line));
    EXPECT_EQ(0u, line);
    EXPECT_EQ(5u, top);
}

TEST(ParserLimits, ScriptItemsForbiddenOnRequest) {
    ParseTracer tracer;
    const std::string text =
        crlf("FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUSCRIPTITEM ( \"P\", \"S\" )|\t}|}|");
    uint32_t line = 0;
    EXPECT_EQ(
        kParseScriptItemsForbidden,
        ParseMenuBarCode(tracer.callbacks(), text.data(), static_cast<uint32_t>(text.size()), 7, true, nullptr, &line));
    EXPECT_EQ(5u, line);
    EXPECT_EQ(kParseOk, ParseMenuBarCode(tracer.callbacks(), text.data(), static_cast<uint32_t>(text.size()), 7, false,
                                         nullptr, &line));
}

// The length given is the end of the text, whatever follows in memory.
TEST(ParserLimits, NeverReadsPastTheLength) {
    struct Case {
        MenuKind kind;
        std::string text;  // '|' for CR LF
        std::string after;
        uint32_t status;
        uint32_t statusWithAfter;
    };
    const Case cases[] = {
        {MenuKind::MainMenu, "FM_MENUBAR ()|{|\tFM_MENU ( \"abc", "\" )|\t{|\t}|}|", kParseUnclosed, kParseOk},
        {MenuKind::MainMenu, "FM_MENUBAR ()|{|\tFM_MENU ( FM_MENU_FILE", " )|\t{|\t}|}|", kParseMissingToken, kParseOk},
        {MenuKind::MainMenu, "FM_MENUBAR ()|{|#IF_WIN|}|#END_IF", "|", kParseMissingToken, kParseOk},
        {MenuKind::MainMenu, "FM_MENUBAR ()|{|\tFM_MENU", "BAR", kParseMissingToken, kParseMissingToken},
        {MenuKind::ContextMenu, "FM_CONTEXTMENU ( )|{|\tFM_MENUITEM ( FM_OPEN, CTRL + \"", "O\" )|}", kParseMisplaced,
         kParseOk},
        {MenuKind::PopupMenu, "FM_POPUPMENU", " ( ) { }", kParseMisplaced, kParseOk},
        {MenuKind::ContextMenu, "FM_CONTEXTMEN", "U ( ) { }", kParseMissingToken, kParseOk},
    };
    for (const Case& c : cases) {
        const std::string text = crlf(c.text);
        const std::string whole = text + crlf(c.after);
        SCOPED_TRACE(whole);
        ParseTracer tracer;
        uint32_t line = 0;
        EXPECT_EQ(c.status,
                  parseKind(c.kind, tracer.callbacks(), whole.data(), static_cast<uint32_t>(text.size()), &line));
        EXPECT_EQ(c.statusWithAfter,
                  parseKind(c.kind, tracer.callbacks(), whole.data(), static_cast<uint32_t>(whole.size()), &line));
    }
}

// Every prefix of a rich text, in a heap block of exactly its size, under each reader:
// a sanitizer build catches any read past the end; here the line must stay in range.
TEST(ParserLimits, EveryPrefixInAnExactBuffer) {
    const std::string full = crlf(
        "FM_MENUBAR ( \"x\" )|{|#IF_MAC|\tFM_APPMENU ( \"App\" )|\t{|\t\tFM_MACPREFERENCES ( \"P\", \"p\", Disabled )|"
        "\t\tFM_MACQUITITEM ( \"Q\", \"q\" )|\t}|#END_IF|\tFM_MENU ( \"File\" , FM_MENU_FILE )|\t{|"
        "\t\tFM_MENUITEM ( \"Open\", FM_OPEN, CTRL + ALT + \"O\", String:\"u\", Enabled )|"
        "\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\", \"F5\", Check-On )|\t\tFM_MENUITEMSEPARATOR ()|"
        "#IF_WIN|\t\tFM_MENU ( FM_MENU_EDIT )|\t\t{|\t\t}|#END_IF|\t}|}|");
    ParseTracer fullTracer;
    uint32_t line = 0;
    ASSERT_EQ(kParseOk, parseKind(MenuKind::MainMenu, fullTracer.callbacks(), full.data(),
                                  static_cast<uint32_t>(full.size()), &line));
    const uint32_t lines = line;  // the line after the last
    for (size_t n = 0; n <= full.size(); ++n) {
        auto block = std::make_unique<char[]>(n ? n : 1);
        std::copy(full.data(), full.data() + n, block.get());
        for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
            ParseTracer tracer;
            const uint32_t status = parseKind(kind, tracer.callbacks(), block.get(), static_cast<uint32_t>(n), &line);
            ASSERT_GE(line, 1u) << n;
            ASSERT_LE(line, lines) << n;
            if (kind != MenuKind::MainMenu) {
                ASSERT_EQ(n == 0 ? kParseNoText : n < 10 ? kParseMissingToken : kParseOtherKind, status) << n;
            }
        }
    }
}

std::string nestedMenus(MenuKind kind, int depth) {
    std::string text = kind == MenuKind::MainMenu ? "FM_MENUBAR ()\r\n{\r\n" : "FM_CONTEXTMENU ( )\r\n{\r\n";
    for (int i = 0; i < depth; ++i) {
        text += "FM_MENU ( \"m\" )\r\n{\r\n";
    }
    for (int i = 0; i <= depth; ++i) {
        text += "}\r\n";
    }
    return text;
}

int countLines(const std::vector<std::string>& lines, std::string_view prefix) {
    int n = 0;
    for (const std::string& line : lines) {
        n += line.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    }
    return n;
}

TEST(ParserLimits, NestingDeeperThanTheLimitIsRefused) {
    // In a main menu the menus are nested in the menu bar; a context menu is itself a menu.
    struct Case {
        MenuKind kind;
        int depth;
        uint32_t status;
        uint32_t line;
        int begun;
    };
    const Case cases[] = {
        {MenuKind::MainMenu, kMaxMenuDepth, kParseOk, 2 + 2 * kMaxMenuDepth + kMaxMenuDepth + 1 + 1, kMaxMenuDepth},
        {MenuKind::MainMenu, kMaxMenuDepth + 1, kParseMisplaced, 3 + 2 * kMaxMenuDepth, kMaxMenuDepth},
        {MenuKind::ContextMenu, kMaxMenuDepth - 1, kParseOk, 2 + 2 * (kMaxMenuDepth - 1) + kMaxMenuDepth,
         kMaxMenuDepth},
        {MenuKind::ContextMenu, kMaxMenuDepth, kParseMisplaced, 3 + 2 * (kMaxMenuDepth - 1), kMaxMenuDepth},
        {MenuKind::MainMenu, 30000, kParseMisplaced, 3 + 2 * kMaxMenuDepth, kMaxMenuDepth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << parser_test::kindName(c.kind) << " depth " << c.depth);
        const std::string text = nestedMenus(c.kind, c.depth);
        ParseTracer tracer;
        const TraceResult r = TraceParse(c.kind, text.data(), static_cast<uint32_t>(text.size()), 7, tracer);
        EXPECT_EQ(c.status, r.status);
        EXPECT_EQ(c.line, r.line);
        EXPECT_EQ(c.begun, countLines(r.lines, "BeginMenu "));
        EXPECT_EQ(0, countLines(r.lines, "DiscardMenu"));
    }
}

// Inside an application menu a failing construct does not end the loop, but
// going too deep still ends the parse there.
TEST(ParserLimits, NestingLimitInsideTheApplicationMenu) {
    for (bool slots : {true, false}) {
        std::string text = "FM_MENUBAR ()\r\n{\r\nFM_APPMENU ( )\r\n{\r\n";
        for (int i = 0; i < kMaxMenuDepth; ++i) {
            text += "FM_MENU ( \"m\" )\r\n{\r\n";
        }
        text += "FM_MENUITEMSEPARATOR ()\r\n";
        ParseTracer tracer(ParseTracer::Options{.appMenuSlots = slots});
        const TraceResult r =
            TraceParse(MenuKind::MainMenu, text.data(), static_cast<uint32_t>(text.size()), 7, tracer);
        EXPECT_EQ(kParseMisplaced, r.status);
        EXPECT_EQ(3u + 2 * kMaxMenuDepth, r.line);
        EXPECT_EQ(0, countLines(r.lines, "AddItem"));
    }
}

double secondsToParse(const std::string& text, bool appMenuSlots) {
    ParseTracer tracer(ParseTracer::Options{.appMenuSlots = appMenuSlots});
    const auto start = std::chrono::steady_clock::now();
    TraceParse(MenuKind::MainMenu, text.data(), static_cast<uint32_t>(text.size()), 7, tracer);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Texts on which a reading that scans ahead again at each construct costs the
// square of the length; each must stay far below a second.
TEST(ParserLimits, ReadingIsLinearOnHostileTexts) {
    constexpr size_t kSize = kDocumentBufferSize;
    std::string commaFree = "FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"A\" )\r\n{\r\n";
    while (commaFree.size() < kSize - 64) {
        commaFree += "\tFM_MENUITEM ( FM_OPEN )\r\n";
    }
    commaFree += "}\r\n}\r\n";
    // Without slots 8 and 9 every failing command item counts as read and the
    // next one starts right after its parenthesis, far from any closing one.
    std::string noParenthesis = "FM_MENUBAR ()\r\n{\r\nFM_APPMENU ( )\r\n{\r\n";
    while (noParenthesis.size() < kSize / 2) {
        noParenthesis += "FM_MENUITEM ( ";
    }
    noParenthesis += std::string(kSize / 2, ' ') + ")";
    std::string noQuote = "FM_MENUBAR ()\r\n{\r\nFM_APPMENU ( )\r\n{\r\n";
    while (noQuote.size() < kSize) {
        noQuote += "FM_MENUITEM ( \"";
    }
    for (const std::string* text : {&commaFree, &noParenthesis, &noQuote}) {
        EXPECT_LT(secondsToParse(*text, false), 0.5);
        EXPECT_LT(secondsToParse(*text, true), 0.5);
    }
}

}  // namespace
}  // namespace tessary
