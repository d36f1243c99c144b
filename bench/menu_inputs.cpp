#include "menu_inputs.h"

#include <cstdint>
#include <iterator>
#include <string_view>

#include "menucode/parser.h"
#include "model/lexicon.h"

namespace tessary::bench {
namespace {

// A small fixed-sequence generator: the same texts on every run and machine.
class Sequence {
public:
    uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    uint32_t below(uint32_t n) { return next() % n; }
    bool oneIn(uint32_t n) { return below(n) == 0; }
    template <typename T, size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(N)];
    }

private:
    uint32_t state_ = 12345;
};

constexpr std::string_view kItemCaptions[] = {
    "New Order",     "Duplicate Order",      "Print Invoice",  "Send Reminder...",      "Customer Statement",
    "Archive Year",  "Export to Accounting", "Open Dashboard", "Monthly Sales Summary", "Orders by Region",
    "Sync Web Shop", "Import Price List...", "Close Period",   "Check Stock",           "Label Sheet",
    "Mail Merge...", "Find Open Orders",     "Show Overdue",   "Credit Note",           "Backup Now"};
constexpr std::string_view kScripts[] = {"Order - New",
                                         "Order - Duplicate",
                                         "Invoice - Print",
                                         "Reminder - Send",
                                         "Statement",
                                         "Archive",
                                         "Accounting Export",
                                         "Dashboard - Open",
                                         "Report - Sales",
                                         "Sync",
                                         "Navigation: Go to Layout [Orders]"};
constexpr std::string_view kUserStrings[] = {"orders:print", "crm", "ui.dashboard", "export/2024", "x"};
constexpr std::string_view kMenuCaptions[] = {"Orders",    "Customers", "Reports", "Tools",     "Accounting",
                                              "Inventory", "Shipping",  "Admin",   "Favorites", "More"};
// Key names as the writer writes them back: upper-case letters, ENTER for
// RETURN, one character for the punctuation keys.
constexpr std::string_view kCharKeys[] = {"A", "P", "O", "7", "/", ",", "ENTER", "DEL", "LEFT", "PAGE_DOWN"};
constexpr std::string_view kFunctionKeys[] = {"F1", "F5", "F9", "F12"};

// The platform sets a block can stand for, as the writer names them.
std::string_view directiveOf(uint32_t set) {
    switch (set) {
        case kPlatformWindows:
            return "#IF_WIN";
        case kPlatformMac:
            return "#IF_MAC";
        case kPlatformMacClassic:
            return "#IF_MACCLASSIC";
        case kPlatformMacX:
            return "#IF_MACCARBON";
        default:
            return {};
    }
}

// Most nodes are for every platform; some stand in blocks.
uint32_t pickPlatforms(Sequence& seq) {
    switch (seq.below(20)) {
        case 0:
        case 1:
        case 2:
            return kPlatformWindows;
        case 3:
        case 4:
            return kPlatformMac;
        case 5:
            return kPlatformMacX;
        case 6:
            return kPlatformMacClassic;
        default:
            return kPlatformAll;
    }
}

void line(std::string& out, int level, std::string_view text) {
    out.append(static_cast<size_t>(level), '\t');
    out += text;
    out += "\r\n";
}

void quoted(std::string& out, std::string_view text) {
    out += '"';
    out += text;
    out += '"';
}

// The children of one menu body in the writer's layout: a block is opened in
// front of the first child of another set, closed in front of the next child
// of another set, and closed at the end of the body.
class Body {
public:
    Body(int level, uint32_t own) : level_(level), own_(own), open_(own) {}

    int level() const { return level_; }
    uint32_t own() const { return own_; }

    // The directives in front of a child of `set`.
    void switchTo(std::string& out, uint32_t set) {
        if (set == open_) {
            return;
        }
        if (open_ != kPlatformAll) {
            out += "#END_IF\r\n";
        }
        if (set != kPlatformAll) {
            out += directiveOf(set);
            out += "\r\n";
        }
        open_ = set;
    }
    void close(std::string& out) const {
        if (open_ != own_ && open_ != kPlatformAll) {
            out += "#END_IF\r\n";
        }
    }

private:
    int level_;
    uint32_t own_;
    uint32_t open_;
};

void shortcut(std::string& out, Sequence& seq) {
    switch (seq.below(6)) {
        case 0:
        case 1:
        case 2:
            out += ", CTRL + ";
            quoted(out, seq.pick(kCharKeys));
            break;
        case 3:
            out += ", CTRL + ALT + ";
            quoted(out, seq.pick(kCharKeys));
            break;
        case 4:
            out += ", ALT + ";
            quoted(out, seq.pick(kFunctionKeys));
            break;
        default:
            out += ", ";
            quoted(out, seq.pick(kFunctionKeys));
            break;
    }
}

void commandItem(std::string& out, int level, Sequence& seq) {
    out.append(static_cast<size_t>(level), '\t');
    out += "FM_MENUITEM ( ";
    if (seq.oneIn(3)) {
        quoted(out, seq.pick(kItemCaptions));
        out += ", ";
    }
    out += FmCommandRow(static_cast<int>(seq.below(kFmCommandCount))).keyword;
    if (seq.oneIn(3)) {
        shortcut(out, seq);
    }
    if (seq.oneIn(4)) {
        out += ", String:";
        quoted(out, seq.pick(kUserStrings));
    }
    if (seq.oneIn(8)) {
        out += ", Disabled";
    }
    out += " )\r\n";
}

void scriptItem(std::string& out, int level, Sequence& seq) {
    out.append(static_cast<size_t>(level), '\t');
    out += "FM_MENUSCRIPTITEM ( ";
    quoted(out, seq.pick(kItemCaptions));
    out += ", ";
    quoted(out, seq.pick(kScripts));
    if (seq.oneIn(2)) {
        shortcut(out, seq);
    }
    if (seq.oneIn(3)) {
        out += ", String:";
        quoted(out, seq.pick(kUserStrings));
    }
    if (seq.oneIn(6)) {
        out += ", Check-On";
    }
    if (seq.oneIn(8)) {
        out += ", Disabled";
    }
    out += " )\r\n";
}

// FM_MENU with a caption, a caption and a standard menu, or the standard menu alone.
void menuHead(std::string& out, int level, Sequence& seq) {
    std::string head = "FM_MENU ( ";
    const char* keyword = FmMenuRow(static_cast<int>(seq.below(kFmMenuCount))).keyword;
    switch (seq.below(3)) {
        case 0:
            quoted(head, seq.pick(kMenuCaptions));
            break;
        case 1:
            quoted(head, seq.pick(kMenuCaptions));
            head += " , ";
            head += keyword;
            break;
        default:
            head += keyword;
            break;
    }
    head += " )";
    line(out, level, head);
    line(out, level, "{");
}

void menuBody(std::string& out, Body& body, Sequence& seq, int depth);

// One child of a body: an item, a separator or a submenu, with the block it
// stands in. Below a menu for fewer than all platforms every child shares the
// menu's set.
void child(std::string& out, Body& body, Sequence& seq, int depth) {
    const uint32_t set = body.own() == kPlatformAll && seq.oneIn(3) ? pickPlatforms(seq) : body.own();
    body.switchTo(out, set);
    switch (seq.below(9)) {
        case 0:
            line(out, body.level(), "FM_MENUITEMSEPARATOR ()");
            break;
        case 1:
        case 2:
        case 3:
            scriptItem(out, body.level(), seq);
            break;
        case 4:
            if (depth < 3) {
                menuHead(out, body.level(), seq);
                Body inner(body.level() + 1, set);
                menuBody(out, inner, seq, depth + 1);
                line(out, body.level(), "}");
                break;
            }
            [[fallthrough]];
        default:
            commandItem(out, body.level(), seq);
            break;
    }
}

void menuBody(std::string& out, Body& body, Sequence& seq, int depth) {
    const int children = 3 + static_cast<int>(seq.below(10));
    for (int i = 0; i < children; ++i) {
        child(out, body, seq, depth);
    }
    body.close(out);
}

void appMenu(std::string& out) {
    line(out, 1, "FM_APPMENU ( \"FileMaker Pro\" )");
    line(out, 1, "{");
    line(out, 2, "FM_MENUITEM ( FM_ABOUT )");
    line(out, 2, "FM_MENUSCRIPTITEM ( \"About Orders...\", \"About\", String:\"about\" )");
    line(out, 2, "FM_MENUITEMSEPARATOR ()");
    line(out, 2, "FM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )");
    line(out, 2, "FM_MENUITEMSEPARATOR ()");
    line(out, 2, "FM_MACQUITITEM ( \"Quit Orders\", \"Quit\" )");
    line(out, 1, "}");
}

// Fills a body one piece at a time while the text stays within the target;
// `closing` is what still follows the body. Near the target a piece too large
// is left out and smaller ones are tried a few times more.
template <typename Piece>
void fill(std::string& out, Body& body, size_t target, std::string_view closing, Piece piece) {
    std::string next;
    for (int misses = 0; misses < 50;) {
        Body after = body;
        next.clear();
        piece(next, after);
        std::string end;
        after.close(end);
        if (out.size() + next.size() + end.size() + closing.size() > target) {
            ++misses;
            continue;
        }
        out += next;
        body = after;
    }
    body.close(out);
    out += closing;
}

void mainMenu(std::string& out, size_t target) {
    Sequence seq;
    out += "FM_MENUBAR ()\r\n{\r\n";
    appMenu(out);
    Body bar(1, kPlatformAll);
    fill(out, bar, target, "}\r\n", [&](std::string& piece, Body& body) {
        const uint32_t set = pickPlatforms(seq);
        body.switchTo(piece, set);
        menuHead(piece, 1, seq);
        Body menu(2, set);
        menuBody(piece, menu, seq, 0);
        line(piece, 1, "}");
    });
}

// A context menu whose body is filled by `piece` until the target is reached.
template <typename Piece>
void contextMenu(std::string& out, size_t target, Piece piece) {
    out += "FM_CONTEXTMENU ( )\r\n{\r\n";
    Body body(1, kPlatformAll);
    fill(out, body, target, "}\r\n", piece);
}

}  // namespace

const char* shapeName(Shape shape) {
    switch (shape) {
        case Shape::MainMenu:
            return "MainMenu";
        case Shape::ContextMenu:
            return "ContextMenu";
        case Shape::CommaFreeItems:
            return "CommaFreeItems";
        case Shape::HugeCaption:
            return "HugeCaption";
        case Shape::DeepNesting:
            return "DeepNesting";
        case Shape::BlankLines:
            return "BlankLines";
    }
    return "?";
}

MenuKind shapeMenuKind(Shape shape) {
    return shape == Shape::MainMenu ? MenuKind::MainMenu : MenuKind::ContextMenu;
}

bool shapeIsWriterLayout(Shape shape) {
    return shape == Shape::MainMenu || shape == Shape::ContextMenu || shape == Shape::CommaFreeItems;
}

std::string makeMenuCode(Shape shape, size_t target) {
    std::string out;
    out.reserve(target);
    Sequence seq;
    switch (shape) {
        case Shape::MainMenu:
            mainMenu(out, target);
            break;
        case Shape::ContextMenu:
            contextMenu(out, target, [&](std::string& piece, Body& body) { child(piece, body, seq, 1); });
            break;
        case Shape::CommaFreeItems:
            contextMenu(out, target, [](std::string& piece, Body&) { line(piece, 1, "FM_MENUITEM ( FM_OPEN )"); });
            break;
        case Shape::HugeCaption: {
            out += "FM_CONTEXTMENU ( )\r\n{\r\n\tFM_MENUSCRIPTITEM ( \"";
            const std::string_view tail = "\", \"Script\" )\r\n}\r\n";
            const size_t fill = target > out.size() + tail.size() ? target - out.size() - tail.size() : 0;
            out.append(fill, 'x');
            out += tail;
            break;
        }
        case Shape::DeepNesting:
            // The context menu is the first level the reader counts; every menu
            // inside it is one more, up to the reader's limit.
            contextMenu(out, target, [](std::string& piece, Body&) {
                constexpr int kDepth = kMaxMenuDepth - 1;
                for (int i = 0; i < kDepth; ++i) {
                    piece += "FM_MENU ( \"Level\" )\r\n{\r\n";
                }
                piece += "FM_MENUITEM ( FM_OPEN )\r\n";
                for (int i = 0; i < kDepth; ++i) {
                    piece += "}\r\n";
                }
            });
            break;
        case Shape::BlankLines:
            contextMenu(out, target, [](std::string& piece, Body&) {
                piece += "\tFM_MENUITEM ( FM_CLOSE )\r\n";
                piece.append(40, '\n');
                piece += "\r\n\r\n\r\n";
            });
            break;
    }
    return out;
}

const std::string& benchInput(Shape shape, size_t size) {
    static std::string cache[std::size(kShapes)][std::size(kSizes)];
    size_t sizeIndex = 0;
    while (sizeIndex + 1 < std::size(kSizes) && kSizes[sizeIndex] != size) {
        ++sizeIndex;
    }
    std::string& text = cache[static_cast<size_t>(shape)][sizeIndex];
    if (text.empty()) {
        text = makeMenuCode(shape, kSizes[sizeIndex]);
    }
    return text;
}

}  // namespace tessary::bench
