// What the editor reads of FileMaker and of the Varnex plug-in running inside
// it, without the windows themselves: the plug-in's answers (names separated by
// line feeds), the class name of FileMaker's application window, the titles of
// its document windows and the name a document's window carries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessary {

// An answer of the plug-in is read into a zero-filled buffer of this many bytes.
constexpr size_t kPluginAnswerSize = 64000;

// One answer of the plug-in (the scripts of the current file, or the open
// documents) with its read position.
class PluginAnswer {
public:
    // Empties the answer and starts reading from its beginning.
    void clear();
    // Takes the text the plug-in wrote into its answer buffer: up to the first
    // NUL, at most kPluginAnswerSize - 1 bytes. An answer that filled the buffer
    // may have lost the end of its last name, so a name after the last line feed
    // of a full buffer is not taken.
    void take(std::string_view written);

    // Copies the next name and a NUL into buffer and returns its length, 0 when
    // the answer holds no more names. A name is the bytes up to the next line
    // feed (a carriage return belongs to the name). Empty names and names too
    // long for capacity - 1 bytes are passed over, so one odd line does not hide
    // the names after it.
    size_t nextName(char* buffer, size_t capacity);

    const std::string& text() const { return text_; }

private:
    std::string text_;
    size_t position_ = 0;
};

// FileMaker's application window: a class name that starts with "fmpro", a
// decimal digit and "app", in any letter case ("FMPRO7APP").
bool isFileMakerAppClass(std::string_view className);

// A document window's title names the wanted document when it equals the start
// of the name, letter case ignored (Windows ANSI letters included). An empty
// title names nothing.
bool documentTitleMatches(std::string_view title, std::string_view wantedName);

// The name of the document window FileMaker shows for a file: the part of the
// path after the last backslash less its last four characters (".fp7").
std::string documentNameOfPath(std::string_view path);

}  // namespace tessary
