#include "cli/menu_lint.h"

#include <algorithm>
#include <unordered_map>

#include "cli/code_sources.h"
#include "cli/menu_loading.h"
#include "documents/document_title.h"
#include "editor/menu_rules.h"
#include "editor/preview_menu.h"
#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"

namespace tessary::cli {

namespace {

std::string platformNames(PlatformMask set) {
    if (set == kPlatformAll) {
        return "all platforms";
    }
    std::vector<std::string_view> names;
    if (set & kPlatformWindows) {
        names.push_back("Windows");
    }
    if (set & kPlatformMacClassic) {
        names.push_back("MacOS Classic");
    }
    if (set & kPlatformMacX) {
        names.push_back("MacOS X");
    }
    if (names.empty()) {
        return "no platform";
    }
    std::string text(names.front());
    for (size_t i = 1; i < names.size(); ++i) {
        text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

std::string_view kindWord(NodeKind kind) {
    switch (kind) {
        case NodeKind::AppMenu:
            return "application menu";
        case NodeKind::Menu:
            return "menu";
        case NodeKind::ScriptItem:
            return "script item";
        case NodeKind::FmItem:
            return "FileMaker item";
        case NodeKind::Separator:
            return "separator";
        case NodeKind::MacQuitItem:
            return "Mac quit item";
        case NodeKind::MacPreferencesItem:
            return "Mac preferences item";
        default:
            return "node";
    }
}

std::string keywordText(TokenClass tokenClass) {
    for (int i = 0; i < kKeywordCount; ++i) {
        if (KeywordAt(i).tokenClass == tokenClass) {
            return std::string(KeywordAt(i).text, KeywordAt(i).length);
        }
    }
    return {};
}

// The checks of one loaded text: the tree the editor would hold, and the line
// of each of its nodes.
class Linter {
public:
    Linter(MenuTree& tree, MenuKind kind, std::string_view text, LintReport& report)
        : tree_(tree), kind_(kind), text_(text), lines_(text), report_(report) {
        sources_ = readCodeSources(text, kind, lines_);
        const std::vector<NodeHandle> nodes = nodesInTreeOrder(tree);
        for (size_t i = 0; i < nodes.size() && i < sources_.nodes.size(); ++i) {
            if (sources_.nodes[i].kind != tree.getKind(nodes[i])) {
                break;  // the two readings part here; later nodes go without a line
            }
            index_.emplace(nodes[i], i);
        }
    }

    void checkAll() {
        checkFormat();
        checkLongTexts();
        checkNodes();
        checkShortcuts();
        checkMacItems();
        checkAppMenus();
        checkPlatforms();  // last: it gives the tree the platforms as written
    }

    // Each node that has a shortcut, which a pop-up menu item cannot take.
    void checkPopupShortcuts() {
        for (NodeHandle node : nodesInTreeOrder(tree_)) {
            if (const uint16_t shortcut = tree_.getShortcut(node); shortcut != 0) {
                warn(lineOf(node), kRulePopupShortcut,
                     name(node) + " has the shortcut " + shortcutName(shortcut) +
                         ", but items of a pop-up menu take no shortcut");
            }
        }
    }

private:
    int lineOf(NodeHandle node) const {
        const auto found = index_.find(node);
        return found == index_.end() ? 1 : sources_.nodes[found->second].line;
    }

    std::string name(NodeHandle node) const {
        const NodeKind kind = tree_.getKind(node);
        if (kind == NodeKind::Separator) {
            return std::string(kindWord(kind));
        }
        return std::string(kindWord(kind)) + " \"" + tree_.caption(node) + "\"";
    }

    std::string parentName(NodeHandle node) const {
        const NodeHandle parent = tree_.parent(node);
        return parent == kRootNode ? std::string("the top level") : name(parent);
    }

    static std::string shortcutName(uint16_t shortcut) {
        int keyCode = 0;
        int modifiers = 0;
        VirtualKeyToKeyCode(shortcut, keyCode, modifiers);
        return shortcutText(modifiers, keyCode);
    }

    void warn(int line, std::string_view rule, std::string message) {
        report_.findings.push_back({line, false, rule, std::move(message)});
    }

    void checkFormat() {
        std::string code;
        if (!generateMenuCodeText(tree_, kind_, code)) {
            // The writer refuses a node whose platforms have no place where it
            // stands (it leaves out the nodes for no platform).
            for (const PlatformProblem& problem : findPlatformProblems(tree_)) {
                if (tree_.getPlatforms(problem.node) != 0) {
                    warn(lineOf(problem.node), kRuleFormat,
                         "format cannot write this menu: the platforms of " + name(problem.node) +
                             " have no place there");
                    return;
                }
            }
            warn(1, kRuleFormat, "format cannot write this menu");
            return;
        }
        if (code == text_) {
            return;
        }
        const size_t differ = static_cast<size_t>(
            std::mismatch(text_.begin(), text_.end(), code.begin(), code.end()).first - text_.begin());
        const size_t at = text_.empty() ? 0 : std::min(differ, text_.size() - 1);
        warn(lines_.lineOf(at), kRuleFormat, "the layout differs from what format writes, from this line on");
    }

    void checkLongTexts() {
        for (const LongText& text : sources_.longTexts) {
            warn(text.line, kRuleLongText,
                 std::string(text.what) + " of " + std::to_string(text.length) +
                     " characters; loading keeps the first " + std::to_string(kMaxTextLength));
        }
    }

    void checkNodes() {
        for (NodeHandle node : nodesInTreeOrder(tree_)) {
            const NodeKind kind = tree_.getKind(node);
            if (kind == NodeKind::ScriptItem && recordText(tree_.getRecord(node)->scriptName).empty()) {
                warn(lineOf(node), kRuleEmptyScriptName, name(node) + " runs no script: its script name is empty");
            } else if (kind == NodeKind::Menu && !tree_.hasChildren(node)) {
                warn(lineOf(node), kRuleEmptyMenu, name(node) + " holds no items");
            }
        }
    }

    void checkShortcuts() {
        for (const ShortcutClash& clash : findShortcutClashes(tree_)) {
            warn(lineOf(clash.node), kRuleDuplicateShortcut,
                 "shortcut " + shortcutName(tree_.getShortcut(clash.node)) + " of " + name(clash.node) +
                     " is already taken by " + name(clash.other) + " on line " + std::to_string(lineOf(clash.other)));
        }
    }

    void checkMacItems() {
        for (const MacItemProblem& problem : findMacItemProblems(tree_)) {
            if (problem.placement == MacItemPlacement::OutsideAppMenu) {
                warn(lineOf(problem.node), kRuleMacItemPlace,
                     name(problem.node) + " stands outside the application menu");
            } else {
                warn(lineOf(problem.node), kRuleMacItemTwice,
                     name(problem.node) + " is the second of its kind; the first is on line " +
                         std::to_string(lineOf(problem.first)));
            }
        }
    }

    void checkAppMenus() {
        for (NodeHandle node : findMisplacedAppMenus(tree_, kind_)) {
            warn(lineOf(node), kRuleAppMenuFirst, name(node) + " does not stand first in a menu bar");
        }
    }

    // The loader keeps of each node only the platforms its parent has, so the
    // tree is given back the platform blocks as the text writes them first.
    // A node outside any block takes its parent's platforms, as the writer
    // writes it; Mac system items are always for MacOS X.
    void checkPlatforms() {
        for (const auto& [node, i] : index_) {
            const NodeKind kind = tree_.getKind(node);
            const PlatformMask written = sources_.nodes[i].platforms;
            if (written != kPlatformAll && kind != NodeKind::MacQuitItem && kind != NodeKind::MacPreferencesItem) {
                tree_.setPlatforms(node, written);
            }
        }
        for (const PlatformProblem& problem : findPlatformProblems(tree_)) {
            const NodeHandle node = problem.node;
            const PlatformMask set = tree_.getPlatforms(node);
            const PlatformMask parentSet = tree_.getPlatforms(tree_.parent(node));
            const std::string where = name(node) + " is for " + platformNames(set) + " inside " + parentName(node) +
                                      " for " + platformNames(parentSet);
            switch (problem.fit) {
                case PlatformFit::NoPlatform:
                    warn(lineOf(node), kRuleNoPlatform,
                         set == 0 ? name(node) + " is for no platform" : where + ": it shows on no platform");
                    break;
                case PlatformFit::Wider:
                    warn(lineOf(node), kRuleWiderPlatforms,
                         where + ": loading cuts it to " + platformNames(set & parentSet));
                    break;
                case PlatformFit::Unwritable:
                    warn(lineOf(node), kRuleUnwritablePlatforms, where + ", which menu code cannot write");
                    break;
                case PlatformFit::Fits:
                    break;
            }
        }
    }

    MenuTree& tree_;
    MenuKind kind_;
    std::string_view text_;
    LineIndex lines_;
    LintReport& report_;
    CodeSources sources_;
    std::unordered_map<NodeHandle, size_t> index_;  // node -> its entry in sources_.nodes
};

// A pop-up menu that does not load may fail only for its shortcuts: read as a
// context menu, which takes them, it would load.
void checkPopupShortcuts(std::string_view text, LintReport& report) {
    const std::string popup = keywordText(TokenClass::PopupMenu);
    const size_t at = text.find_first_not_of(" \t\r\n");
    if (at == std::string_view::npos || text.substr(at, popup.size()) != popup) {
        return;
    }
    std::string context(text);
    context.replace(at, popup.size(), keywordText(TokenClass::ContextMenu));
    MenuTree tree;
    if (LoadCodeIntoTree(tree, context, MenuKind::ContextMenu).isAccepted()) {
        Linter(tree, MenuKind::ContextMenu, context, report).checkPopupShortcuts();
    }
}

}  // namespace

LintFinding loadFailureFinding(std::string_view text, LoadResult result, MenuKind kind) {
    if (result.isOtherKind()) {
        return {1, true, {}, "the code is of another menu kind, not a " + std::string(menuKindName(kind))};
    }
    const int line = result.failingLine();
    return {LineIndex(text).lineOfEditorLine(line), true, {}, "Syntax incorrect in line " + std::to_string(line)};
}

LintReport lintMenuCode(std::string_view text, std::optional<MenuKind> kind) {
    LintReport report;
    MenuTree tree;
    const LoadResult result = LoadAsDocument(tree, text, kind, report.kind);
    if (result.isAccepted()) {
        report.loaded = true;
        Linter(tree, report.kind, text, report).checkAll();
    } else {
        report.findings.push_back(loadFailureFinding(text, result, report.kind));
        if (!result.isOtherKind() && report.kind == MenuKind::PopupMenu) {
            checkPopupShortcuts(text, report);
        }
    }
    std::stable_sort(report.findings.begin(), report.findings.end(), [](const LintFinding& a, const LintFinding& b) {
        return a.line != b.line ? a.line < b.line : a.error > b.error;
    });
    return report;
}

}  // namespace tessary::cli
