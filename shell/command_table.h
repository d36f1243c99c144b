// The main window's commands, one row each: everything about a command is in
// its row. The dispatcher, the status-line hints and the enabling read this
// table; nothing else repeats a command's number.
//
// To add a command: name its id in resources/resource.h (and put it into the
// menus or accelerators of tessary.rc), then add its row and handler to
// command_table.cpp.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "editor/command_enabling.h"

namespace tessary {

class MainWindow;
class WizardFrame;

// Where a command appears (a set of these bits).
enum CommandPlace : unsigned {
    kInMainMenu = 1u << 0,     // the main window's menu bar
    kInContextMenu = 1u << 1,  // the tree's context menu
    kOnToolbar = 1u << 2,
    kOnSideButton = 1u << 3,  // one of the buttons down the right edge
    kMainKey = 1u << 4,       // accelerator table 220, always active
    kTreeKey = 1u << 5,       // accelerator table 221, while the tree has the keys
    kInRecentMenu = 1u << 6,  // an item of the Open Recent submenu: its hint is the file's path
    kPostedOnly = 1u << 7,    // sent by the program itself, never chosen by the user
};

struct CommandHint {
    UINT treeTab = 0;  // string-table text in the "Menu Tree" tab; 0: the status line is emptied
    UINT codeTab = 0;  // in the "Menu Code" tab
};

struct SideButton {
    int position = 0;  // 1 to 9 down the right edge; 0: no button
    UINT text = 0;     // string-table text of the button
};

using CommandHandler = void (*)(MainWindow& window, UINT commandId);
using WizardKeyHandler = void (*)(WizardFrame& frame);

// A command that names what it will do (Undo and Redo name the step): the
// text of its main menu item, and its hint in the "Menu Tree" tab (empty: the
// row's hint).
struct CommandTexts {
    std::string (*menuItem)(MainWindow& window);
    std::string (*treeHint)(MainWindow& window);
};

struct Command {
    UINT id;
    CommandHint hint;
    Enabling enabling;
    CommandHandler handler;  // null: the command does nothing by itself (see its row)
    unsigned places;
    SideButton button;
    // What the command's key does in the wizard's frame, which accelerator
    // table 220 serves too; null: nothing there.
    WizardKeyHandler inWizard = nullptr;
    const CommandTexts* texts = nullptr;  // null: the texts of the resources
};

std::span<const Command> commandTable();
// The row of a command id, or null.
const Command* findCommand(UINT commandId);

}  // namespace tessary
