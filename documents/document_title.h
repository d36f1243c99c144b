// The main window's title: program, document name, unsaved-changes mark and kind.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

constexpr const char* kProgramName = "Tessary";
constexpr const char* kUntitledName = "Untitled Menu Project";

// "Main Menu", "Context Menu" or "Pop-Up Menu"; a value of no kind reads as a
// main menu rather than producing garbage.
const char* menuKindName(MenuKind menuKind);

// "Tessary - NAME* (KIND)" with a blank in place of '*' when unmodified.
std::string formatTitle(std::string_view documentName, bool modified, MenuKind menuKind);

}  // namespace tessary
