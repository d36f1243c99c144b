// What the four item property dialogs share: their mode, the checks that OK
// runs before it changes anything, the texts menu code can hold, and the
// "Use local caption" display.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/platform_boxes.h"
#include "model/menu_tree.h"

namespace tessary {

// Add mode creates a node; edit mode changes the selected node.
enum class DialogMode { Add, Edit };

// The fields a check can send the focus back to.
enum class DialogField { None, Name, Script, UserString };

// One check that OK runs, in order, before anything changes. A refusal shows
// its message with an OK button and keeps the dialog open; a question is asked
// with Yes and No, and No keeps the dialog open.
struct OkCheck {
    enum class Kind { Refusal, Question };
    enum class Icon { None, Warning, Stop };
    Kind kind;
    unsigned messageId;  // string-table text
    Icon icon;
    DialogField focus = DialogField::None;

    static OkCheck refusal(unsigned messageId, Icon icon, DialogField focus = DialogField::None) {
        return {Kind::Refusal, messageId, icon, focus};
    }
    static OkCheck question(unsigned messageId, Icon icon = Icon::Warning) {
        return {Kind::Question, messageId, icon, DialogField::None};
    }
};
using OkChecks = std::vector<OkCheck>;

// Menu code writes every text between double quotes and has no way to write a
// double quote itself: a text holding one could never be read back.
bool fitsMenuCode(std::string_view text);

// Refusals for the texts of a dialog that menu code could not hold; appended
// to the checks.
void checkMenuCodeText(OkChecks& checks, std::string_view text, DialogField field);

// The text the name field shows while "Use local caption" is ticked:
// "Equivalent of: 'File'".
std::string equivalentOfText(std::string_view englishCaption);

// The English caption of a FileMaker menu (isMenu) or command id; empty when
// the tables do not know it.
std::string englishCaption(uint32_t fmId, bool isMenu);

// FileMaker builds the items of these commands itself (recent files, scripts,
// windows): the dialogs give them no caption and no shortcut.
bool isDynamicListKeyword(std::string_view keyword);

// What the four dialogs' rules share: the tree they change, the document's
// menu kind, the mode, the edited node or the new node's parent, and whether
// Ctrl was held at OK.
class ItemDialogRules {
public:
    DialogMode mode() const { return mode_; }
    // Ctrl was held at OK: a new node goes to the top level where it may.
    void setCtrlHeld(bool held) { ctrlHeld_ = held; }
    bool ctrlHeld() const { return ctrlHeld_; }
    // Add mode: the parent a new node goes (after apply: went) under; edit
    // mode: the edited node's parent.
    NodeHandle parent() const { return parent_; }

protected:
    // Add mode: node is kNoNode, parent where the new node goes; edit mode: the
    // node and its parent.
    ItemDialogRules(MenuTree& tree, MenuKind menuKind, DialogMode mode, NodeHandle node, NodeHandle parent)
        : tree_(&tree), menuKind_(menuKind), mode_(mode), node_(node), parent_(parent) {}

    // The platform boxes the dialog opens with: a new node's show its parent's
    // set, an edited node's its own as far as it fits below the parent (a Mac
    // system item's MacOS X alone); either may tick only what the parent has.
    PlatformBoxes openingPlatforms() const;

    MenuTree* tree_;
    MenuKind menuKind_;
    DialogMode mode_;
    NodeHandle node_;  // edit mode: the node
    NodeHandle parent_;
    bool ctrlHeld_ = false;
};

// The record of a new node: enabled, everything else 0 but what is given.
MenuItemRecord newRecord(PlatformMask platforms);
// A dialog's text as a record field holds it: its first 249 characters.
std::string_view fieldText(std::string_view text);
// Stores a dialog's text in a record field, cut as fieldText cuts it.
void storeText(char (&field)[kRecordTextSize], std::string_view text);

}  // namespace tessary
