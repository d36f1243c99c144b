// What a finished wizard task does to the editor: the main window is shown
// (or created, as an empty main menu) and takes the task's document, and for
// a menu on a FileMaker file's scripts FileMaker is made ready first.
#pragma once

#include <windows.h>

#include "editor/wizard_flow.h"

namespace tessary {

class MainWindow;
struct Program;

// The program's main window shown and brought to the top, or created so when
// there is none yet; null when it cannot be made.
MainWindow* showMainWindow(Program& program);

// Before the menu for a FileMaker file's scripts: FileMaker opens the chosen
// file and its window is awaited (at most 10 seconds), or the listed
// document's window is brought forward inside FileMaker; when FileMaker has no
// window for it the user is told (string 352), owned by `owner`.
void prepareFileMaker(const WizardFlow& flow, HWND owner);

// The task's document in the main window. Adapting a standard menu and a
// template give a new untitled main menu holding the ready-made file; a menu
// for scripts is a new empty document of the chosen kind; OpenFile opens the
// file through Open Named Document.
void runWizardTask(MainWindow& window, const WizardFlow& flow, WizardStep step);

// The main window on top once the wizard has gone, with FileMaker's window
// (when given) right behind it.
void bringForward(MainWindow& window, HWND fileMaker);

}  // namespace tessary
