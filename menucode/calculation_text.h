// The calculation form of menu code, which Copy String Code puts on the
// clipboard: the text written as the inside of a FileMaker text constant, so
// that between quotation marks in a FileMaker calculation it gives back the
// menu code. The two generations of FileMaker write a text constant
// differently:
//
//   FileMaker 5 to 6:       a quotation mark is written twice ("").
//   FileMaker 7 and later:  a quotation mark is written \", a backslash \\,
//                           and the paragraph mark ¶ \¶; there a doubled
//                           quotation mark would end the constant.
//
// Both take the paragraph mark ¶ (0xB6 in the ANSI code page) for a line
// break, so every line break of the code is preceded by one; the break itself
// stays, keeping the calculation readable line by line. FileMaker 5 to 6 have
// no way to write a ¶ that is part of a text: there it stays as it is and
// reads as a line break.
//
// The conversion works on the bytes alone and needs no code that parses: the
// "Menu Code" tab's text is copied this way as typed, and the tree's code is
// the same conversion of its plain form, so both tabs copy the same bytes for
// the same code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// The FileMaker generation a calculation is written for; the values are those
// of the "UseFM" setting.
enum class FileMakerGeneration : uint8_t {
    FileMaker5To6 = 6,
    FileMaker7AndLater = 7,
};

// The paragraph mark of FileMaker calculations.
inline constexpr char kParagraphMark = '\xB6';

// The calculation form of the plain code. A line break is CR LF, or a lone CR
// or LF, and is kept as it stands behind its ¶.
std::string calculationText(std::string_view code, FileMakerGeneration generation);

}  // namespace tessary
