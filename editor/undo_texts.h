// What Undo and Redo say: the name of each change to the menu tree, the Edit
// menu's item texts and the status-line hints that name the change the
// command will take back or make again.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

// The changes to the tree that the history keeps as steps.
enum class ChangeKind {
    Add,         // OK of an add dialog (with what the chooser copied in)
    Properties,  // OK of a properties dialog
    Delete,
    MoveUp,
    MoveDown,
    Paste,
    Drop,      // a drag ended in a move or a copy
    Rename,    // a caption typed in place
    CodeEdit,  // the tree read again from the "Menu Code" tab
};

// The step's name, naming the node it concerns by its kind and caption:
// Delete "Reports", Add Script "Print", Drop Separator, Paste, Menu Code Edit.
// A long caption is cut to 32 characters and "..."; control characters become
// blanks.
std::string changeLabel(ChangeKind change, NodeKind kind, std::string_view caption);

// The Edit menu's items: &Undo Delete "Reports"<Tab>Ctrl+Z, or &Undo<Tab>Ctrl+Z
// with no label; an ampersand of the label is doubled, so that it shows.
std::string undoItemText(std::string_view label);
std::string redoItemText(std::string_view label);

// The status-line hints in the "Menu Tree" tab: what the command will do;
// empty with no label (the command is off, and its plain hint shows).
std::string undoHint(std::string_view label);
std::string redoHint(std::string_view label);

}  // namespace tessary
