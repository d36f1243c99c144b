// The main window's title: program, document name, unsaved-changes mark and kind.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

constexpr const char* kProgramName = "Tessary";
constexpr const char* kUntitledName = "Untitled Menu Project";

// "Main Menu", "Context Menu" or "Pop-Up Menu" for MenuKind 0, 1, 2; an
// unknown kind reads as a main menu rather than producing garbage.
const char* menuKindName(int menuKind);

// "Tessary - NAME* (KIND)" with a blank in place of '*' when unmodified.
std::string formatTitle(std::string_view documentName, bool modified, int menuKind);

}  // namespace tessary
