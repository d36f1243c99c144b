#include "menu_inputs.h"

#include <cstdint>
#include <string_view>

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

private:
    uint32_t state_ = 12345;
};

constexpr std::string_view kCommands[] = {"FM_OPEN", "FM_CLOSE", "FM_NEW_DATABASE", "FM_OPEN_REMOTE",
                                          "FM_DEFINE_FIELDS", "FM_SHARING", "FM_DEFINE_VALUE_LISTS"};
constexpr std::string_view kKeys[] = {"\"A\"", "\"P\"", "\"F5\"", "\"ENTER\"", "\"7\"", "\"LEFT\""};

void line(std::string& out, int level, std::string_view text) {
    out.append(static_cast<size_t>(level), '\t');
    out += text;
    out += "\r\n";
}

void commandItem(std::string& out, int level, Sequence& seq) {
    std::string item = "FM_MENUITEM ( ";
    if (seq.below(3) == 0) {
        item += "\"Own caption\", ";
    }
    item += kCommands[seq.below(std::size(kCommands))];
    if (seq.below(2) == 0) {
        item += ", CTRL + ";
        item += kKeys[seq.below(std::size(kKeys))];
    }
    if (seq.below(4) == 0) {
        item += ", String:\"user string\"";
    }
    item += " )";
    line(out, level, item);
}

void scriptItem(std::string& out, int level, Sequence& seq) {
    std::string item = "FM_MENUSCRIPTITEM ( \"Run report ";
    item += std::to_string(seq.below(1000));
    item += "\", \"Report script\"";
    if (seq.below(2) == 0) {
        item += ", CTRL + ALT + ";
        item += kKeys[seq.below(std::size(kKeys))];
    }
    if (seq.below(3) == 0) {
        item += ", String:\"payload\", Check-On";
    }
    if (seq.below(5) == 0) {
        item += ", Disabled";
    }
    item += " )";
    line(out, level, item);
}

void menuBody(std::string& out, int level, Sequence& seq, int depth) {
    int items = 4 + static_cast<int>(seq.below(8));
    for (int i = 0; i < items; ++i) {
        switch (seq.below(6)) {
            case 0:
                line(out, level, "FM_MENUITEMSEPARATOR ()");
                break;
            case 1:
            case 2:
                scriptItem(out, level, seq);
                break;
            case 3:
                if (depth < 3) {
                    line(out, level, "FM_MENU ( \"More\" )");
                    line(out, level, "{");
                    menuBody(out, level + 1, seq, depth + 1);
                    line(out, level, "}");
                    break;
                }
                [[fallthrough]];
            default:
                commandItem(out, level, seq);
                break;
        }
    }
}

void mainMenu(std::string& out, size_t target) {
    Sequence seq;
    out += "FM_MENUBAR ()\r\n{\r\n";
    line(out, 1, "FM_APPMENU ( \"FileMaker Pro\" )");
    line(out, 1, "{");
    line(out, 2, "FM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )");
    line(out, 2, "FM_MACQUITITEM ( \"Quit\", \"Quit\" )");
    line(out, 1, "}");
    const std::string_view blocks[] = {"", "#IF_WIN", "#IF_MAC", ""};
    std::string menu;
    while (true) {
        menu.clear();
        std::string_view block = blocks[seq.below(std::size(blocks))];
        if (!block.empty()) {
            menu += block;
            menu += "\r\n";
        }
        line(menu, 1, seq.below(2) ? "FM_MENU ( \"File\" , FM_MENU_FILE )" : "FM_MENU ( \"Records\" )");
        line(menu, 1, "{");
        menuBody(menu, 2, seq, 0);
        line(menu, 1, "}");
        if (!block.empty()) {
            menu += "#END_IF\r\n";
        }
        if (out.size() + menu.size() + 3 > target) {
            break;
        }
        out += menu;
    }
    out += "}\r\n";
}

// A context menu whose body is filled by `item` until the target is reached.
template <typename Item>
void contextMenu(std::string& out, size_t target, Item item) {
    out += "FM_CONTEXTMENU ( )\r\n{\r\n";
    std::string piece;
    while (true) {
        piece.clear();
        item(piece);
        if (out.size() + piece.size() + 3 > target) {
            break;
        }
        out += piece;
    }
    out += "}\r\n";
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

int shapeMenuKind(Shape shape) { return shape == Shape::MainMenu ? 0 : 1; }

std::string makeMenuCode(Shape shape, size_t target) {
    std::string out;
    out.reserve(target);
    Sequence seq;
    switch (shape) {
        case Shape::MainMenu:
            mainMenu(out, target);
            break;
        case Shape::ContextMenu:
            contextMenu(out, target, [&](std::string& piece) {
                if (seq.below(5) == 0) {
                    line(piece, 1, "FM_MENU ( \"Submenu\" )");
                    line(piece, 1, "{");
                    menuBody(piece, 2, seq, 1);
                    line(piece, 1, "}");
                } else {
                    menuBody(piece, 1, seq, 3);
                }
            });
            break;
        case Shape::CommaFreeItems:
            contextMenu(out, target, [](std::string& piece) { line(piece, 1, "FM_MENUITEM ( FM_OPEN )"); });
            break;
        case Shape::HugeCaption: {
            out += "FM_CONTEXTMENU ( )\r\n{\r\n\tFM_MENUSCRIPTITEM ( \"";
            const std::string tail = "\", \"Script\" )\r\n}\r\n";
            size_t fill = target > out.size() + tail.size() ? target - out.size() - tail.size() : 0;
            out.append(fill, 'x');
            out += tail;
            break;
        }
        case Shape::DeepNesting:
            // The context menu itself is one level; 98 menus below it stay within the reader's limit.
            contextMenu(out, target, [](std::string& piece) {
                constexpr int kDepth = 98;
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
            contextMenu(out, target, [](std::string& piece) {
                piece += "\tFM_MENUITEM ( FM_CLOSE )\r\n";
                piece.append(40, '\n');
                piece += "\r\n\r\n\r\n";
            });
            break;
    }
    return out;
}

}  // namespace tessary::bench
