// The two views of the document: switching between the "Menu Tree" and "Menu
// Code" tabs converts between the tree and the code; Check Syntax, Copy Code
// and Copy String Code work on whichever view is shown.
#pragma once

#include <windows.h>

#include <string>

namespace tessary {

class MainWindow;

// The tab-change handling for the tab now selected (also re-applied by New and
// by the -context and -popup switches).
void applyCurrentTab(MainWindow& window);

// Shows the "Menu Code" tab with its command enabling, the code edit's text
// as it stands: nothing is written from the tree or read into it.
void showCodeTabAsItStands(MainWindow& window);
// Selects the line of the code edit's text that a syntax error names and
// gives the edit the focus.
void selectCodeLine(MainWindow& window, int line);

// The status line's place of the caret in the code edit ("Ln 12, Col 5") in
// the "Menu Code" tab; empty in the "Menu Tree" tab.
void showCaretPlace(MainWindow& window);
// Go to Line: asks for a line of the code and puts the caret at its start.
void goToLine(MainWindow& window, UINT commandId = 0);
// Says that the code edit's text has a syntax error in a line as the menu code
// counts it (lines that hold text), naming also the line of the text when
// empty lines make the two differ: the message of Check Syntax, or, when
// asking, the question before saving. The message box's answer.
int showSyntaxError(MainWindow& window, int line, bool askToSave = false);

// Check Menu Code Syntax: loads the code tab's text into the tree and says how
// it went.
void checkSyntax(MainWindow& window, UINT commandId = 0);
// Copy Code (stringForm false) and Copy String Code (true), which copies the
// calculation form for the FileMaker generation of the "UseFM" setting.
void copyCode(MainWindow& window, bool stringForm);
// Preview Menu: takes the text as Copy Code does and opens a preview window
// of it for the document's kind.
void showPreview(MainWindow& window, UINT commandId = 0);

// The document's text as Copy and Preview take it: the code edit's text in the
// "Menu Code" tab, else the code generated from the tree. False when the tree
// cannot be written as menu code.
bool currentCodeText(MainWindow& window, std::string& text);

}  // namespace tessary
