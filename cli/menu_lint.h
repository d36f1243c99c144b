// tessary-cli lint: what the editor would refuse in a document, or a user
// would regret, found in one text with the line of each finding.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menucode/code_tree.h"
#include "model/menu_item_record.h"

namespace tessary::cli {

// The rules, as named in brackets after each warning.
inline constexpr std::string_view kRuleDuplicateShortcut = "duplicate-shortcut";
inline constexpr std::string_view kRulePopupShortcut = "popup-shortcut";
inline constexpr std::string_view kRuleNoPlatform = "no-platform";
inline constexpr std::string_view kRuleWiderPlatforms = "wider-platforms";
inline constexpr std::string_view kRuleUnwritablePlatforms = "unwritable-platforms";
inline constexpr std::string_view kRuleMacItemPlace = "mac-item-place";
inline constexpr std::string_view kRuleMacItemTwice = "mac-item-twice";
inline constexpr std::string_view kRuleAppMenuFirst = "app-menu-first";
inline constexpr std::string_view kRuleEmptyScriptName = "empty-script-name";
inline constexpr std::string_view kRuleEmptyMenu = "empty-menu";
inline constexpr std::string_view kRuleLongText = "long-text";
inline constexpr std::string_view kRuleFormat = "format";

struct LintFinding {
    int line = 1;  // counted as editors count lines (LineIndex)
    bool error = false;
    std::string_view rule;  // empty for an error
    std::string message;
};

struct LintReport {
    MenuKind kind = MenuKind::MainMenu;  // the kind the text was read as
    bool loaded = false;                 // false: the editor cannot open the text
    std::vector<LintFinding> findings;   // by line; an error before the warnings of its line
};

// The error for a text that does not load as `kind`: the line of the file on
// which reading stopped (1 for code of another kind) and the editor's message.
LintFinding loadFailureFinding(std::string_view text, LoadResult result, MenuKind kind);

// Loads the text as `kind` (none: as the editor's Open does) and checks it.
// A text that does not load gives its error and, for a pop-up menu that
// fails only for its shortcuts, a popup-shortcut warning for each of them.
LintReport lintMenuCode(std::string_view text, std::optional<MenuKind> kind);

}  // namespace tessary::cli
