// Fuzzes the parser's two readings against each other: through the keyword
// index and the rules' compiled primitives, and plainly, the table tried entry
// by entry at every position. Both must make the same callbacks and end with
// the same status, position and line.
// Input: byte 0 bits 0-1 choose the reader (0 main, 1 context, 2 pop-up, 3
// main), bit 2 noScriptItems; byte 1 the requested platforms; the rest is the
// text, read in place so that any read past its end is caught.
#include <cstdint>
#include <string>
#include <vector>

#include "menucode/parse_trace.h"
#include "menucode/syntax_parser.h"

namespace {

using namespace tessary;

struct Reading {
    uint32_t status = 0;
    uint32_t position = 0;
    uint32_t line = 0;
    std::vector<std::string> calls;
};

Reading read(int kind, const char* text, uint32_t length, uint32_t platforms, bool noScriptItems, bool plainly) {
    ParseTracer tracer;
    FMSyntaxParser parser(tracer.callbacks(), text, length, platforms, noScriptItems);
    if (plainly) {
        parser.readPlainly();
    }
    MenuHandle top = 0;
    Reading reading;
    reading.status = kind == 1 || kind == 2 ? parser.ParseMenuText(kind == 2, &top) : parser.ParseMenuBarText(&top);
    reading.position = parser.position();
    reading.line = parser.CurrentLineIndex();
    reading.calls = tracer.lines();
    return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const int kind = data[0] & 3;
    const bool noScriptItems = (data[0] & 4) != 0;
    const uint32_t platforms = data[1];
    const char* text = reinterpret_cast<const char*>(data + 2);
    const auto length = static_cast<uint32_t>(size - 2);
    const Reading fast = read(kind, text, length, platforms, noScriptItems, false);
    const Reading plain = read(kind, text, length, platforms, noScriptItems, true);
    if (fast.status != plain.status || fast.position != plain.position || fast.line != plain.line ||
        fast.calls != plain.calls) {
        __builtin_trap();
    }
    return 0;
}
