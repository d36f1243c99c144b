// Shared by the parser tests: texts written with '|' for CR LF, traces with
// ' for the double quote, and a table row that runs one parse.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menucode/parse_trace.h"

namespace tessary::parser_test {

// "a|b" -> "a\r\nb"
inline std::string crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '|') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Trace lines are written with ' where the output has ".
inline std::vector<std::string> quoted(std::vector<std::string> lines) {
    for (std::string& line : lines) {
        for (char& c : line) {
            if (c == '\'') {
                c = '"';
            }
        }
    }
    return lines;
}

struct TraceCase {
    const char* name;
    MenuKind kind;
    uint32_t platforms;
    std::string code;                // '|' stands for CR LF
    std::vector<std::string> trace;  // ' stands for ", last line "status S line L"
    ParseTracer::Options options = {};
    bool noScriptItems = false;
};

inline void PrintTo(const TraceCase& c, std::ostream* os) {
    *os << c.name;
}

inline void runTraceCase(const TraceCase& c) {
    SCOPED_TRACE(c.name);
    const std::string code = crlf(c.code);
    ParseTracer tracer(c.options);
    const TraceResult result =
        TraceParse(c.kind, code.data(), static_cast<uint32_t>(code.size()), c.platforms, tracer, c.noScriptItems);
    EXPECT_EQ(quoted(c.trace), result.lines);
}

inline std::string kindName(MenuKind kind) {
    return kind == MenuKind::MainMenu ? "main" : kind == MenuKind::ContextMenu ? "context" : "popup";
}

}  // namespace tessary::parser_test
