// Undo and Redo of the tree's changes: each change a command or dialog makes
// to the main window's tree is recorded as one step of the window's history
// (RecordedChange); Edit > Undo and Redo take the steps back and make them
// again, and name them in the menu and the status line.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "editor/undo_texts.h"
#include "model/node_handle.h"

namespace tessary {

class MainWindow;

// The changes made to the window's tree from construction to finish() are
// one step of its history. A change left unfinished (a dialog that changed
// nothing, a load that did not read) is taken back when the object goes.
class RecordedChange {
public:
    explicit RecordedChange(MainWindow& window);
    ~RecordedChange();
    RecordedChange(const RecordedChange&) = delete;
    RecordedChange& operator=(const RecordedChange&) = delete;

    // Keeps the step, named by the change and the node it concerns as the
    // node stands now; true when the tree changed.
    bool finish(ChangeKind change, NodeHandle node);
    bool finish(ChangeKind change, NodeKind kind, std::string_view caption);

private:
    MainWindow& window_;
    bool finished_ = false;
};

// Edit > Undo: an edit box with the focus (the code, a caption being typed)
// undoes its own typing; else the tree's last step is undone, its node
// selected and shown, and the title's mark follows the saved state.
void undoChange(MainWindow& window, UINT commandId);
// Edit > Redo: the tree's step undone last is made again.
void redoChange(MainWindow& window, UINT commandId);

// The Edit menu's texts of Undo and Redo (naming the step in the tree tab),
// and their hints in the tree tab (empty without a step).
std::string undoItemText(MainWindow& window);
std::string redoItemText(MainWindow& window);
std::string undoTreeHint(MainWindow& window);
std::string redoTreeHint(MainWindow& window);

}  // namespace tessary
