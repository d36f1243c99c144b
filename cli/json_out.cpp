#include "cli/json_out.h"

#include <cstdint>

#include "cli/menu_loading.h"
#include "model/menu_tree.h"

namespace tessary::cli {

namespace {

// Code points of the bytes 0x80-0x9F; the rest of the upper half equals its
// byte value.
constexpr uint16_t kUpperControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

uint32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kUpperControls[byte - 0x80];
    }
    return byte;
}

void appendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

void appendNumber(std::string& out, const char* key, unsigned value) {
    out += ",\"";
    out += key;
    out += "\":";
    out += std::to_string(value);
}

void appendText(std::string& out, const char* key, std::string_view value) {
    out += ",\"";
    out += key;
    out += "\":";
    AppendJsonString(out, value);
}

void appendNodes(std::string& out, const MenuTree& tree, NodeHandle first) {
    out += '[';
    for (NodeHandle node = first; node != kNoNode; node = tree.nextSibling(node)) {
        if (node != first) {
            out += ',';
        }
        const MenuItemRecord* record = tree.getRecord(node);
        out += "{\"caption\":";
        AppendJsonString(out, tree.caption(node));
        out += ",\"type\":\"";
        out += nodeKindName(tree.getKind(node));
        out += '"';
        appendNumber(out, "platforms", record->platforms);
        appendNumber(out, "shortcut", record->shortcut);
        appendNumber(out, "fmId", record->fmId);
        appendNumber(out, "enabled", record->enabled);
        appendNumber(out, "checkOn", record->checkOn);
        appendNumber(out, "useLocalCaption", record->useLocalCaption);
        appendText(out, "scriptName", recordText(record->scriptName));
        appendText(out, "userString", recordText(record->userString));
        out += ",\"children\":";
        appendNodes(out, tree, tree.firstChild(node));
        out += '}';
    }
    out += ']';
}

}  // namespace

void AppendWindows1252AsUtf8(std::string& out, std::string_view text) {
    for (unsigned char byte : text) {
        appendUtf8(out, codePointOf(byte));
    }
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (unsigned char byte : text) {
        const uint32_t codePoint = codePointOf(byte);
        switch (codePoint) {
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            case '\b':
                out += "\\b";
                continue;
            case '\f':
                out += "\\f";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        // Control characters, DEL and the C1 controls are written as escapes.
        if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0)) {
            out += "\\u00";
            out += kHex[codePoint >> 4];
            out += kHex[codePoint & 0xF];
            continue;
        }
        appendUtf8(out, codePoint);
    }
    out += '"';
}

std::string TreeJson(const MenuTree& tree, MenuKind kind) {
    std::string out = "{\"kind\":\"";
    out += MenuKindWord(kind);
    out += "\",\"nodes\":";
    appendNodes(out, tree, tree.firstTopLevel());
    out += '}';
    return out;
}

}  // namespace tessary::cli
