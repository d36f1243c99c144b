// The two conversions between a MenuTree and its menu code text.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

class MenuTree;

// The buffer every whole-document text passes through, its NUL included: a
// document (a file, the code editor's text, generated code) holds at most
// kDocumentBufferSize - 1 bytes.
constexpr size_t kDocumentBufferSize = 0x80000;

// What loading menu code into a tree came to: the text was accepted, it is
// menu code of another menu kind, or it failed at a line (counted from 1).
class LoadResult {
public:
    static constexpr LoadResult accepted() { return LoadResult(kAcceptedCode); }
    static constexpr LoadResult otherKind() { return LoadResult(kOtherKindCode); }
    // A failure always names a line: 1 when none is known.
    static constexpr LoadResult failedAt(int line) { return LoadResult(line < 1 ? 1 : line); }

    constexpr bool isAccepted() const { return code_ == kAcceptedCode; }
    constexpr bool isOtherKind() const { return code_ == kOtherKindCode; }
    // The failing line, or 0 when the text did not fail at a line.
    constexpr int failingLine() const { return code_ > 0 ? code_ : 0; }

    friend constexpr bool operator==(LoadResult, LoadResult) = default;

private:
    static constexpr int kAcceptedCode = -1;
    static constexpr int kOtherKindCode = -2;
    constexpr explicit LoadResult(int code) : code_(code) {}
    int code_;
};

// "accepted", "other kind" or "line N": for diagnostics and test output.
std::ostream& operator<<(std::ostream& out, LoadResult result);

// Loads menu code into the tree (appending; callers empty it first) as the
// given kind. fromEditor is the loader's flag: true from the editor's commands,
// false for ready-made files. What was read before a failure stays.
LoadResult LoadCodeIntoTree(MenuTree& tree, std::string_view text, MenuKind kind, bool fromEditor = true);

// Writes the tree's menu code into buffer, as documents hold it (the form for
// a FileMaker calculation is made from it: calculation_text.h). The text plus
// its NUL must fit in capacity; otherwise, or when the writer refuses a node,
// returns false.
bool GenerateMenuCode(const MenuTree& tree, MenuKind kind, char* buffer, size_t capacity);

}  // namespace tessary
