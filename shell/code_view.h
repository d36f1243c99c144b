// The two views of the document: switching between the "Menu Tree" and "Menu
// Code" tabs converts between the tree and the code; Check Syntax, Copy Code
// and Copy String Code work on whichever view is shown.
#pragma once

#include <windows.h>

#include <string>

namespace tessary {

constexpr int kTreeTab = 0;
constexpr int kCodeTab = 1;

int currentTab();

// The tab-change handling for the tab now selected (also re-applied by New and
// by the -context and -popup switches).
void applyCurrentTab(HWND mainWindow);

void checkSyntax(HWND mainWindow);
// Copy Code (stringForm false) and Copy String Code (true).
void copyCode(HWND mainWindow, bool stringForm);

// The code edit's whole text.
std::string codeEditText();

// The document's text as Copy and Preview take it: the code edit's text in the
// "Menu Code" tab, else the code generated from the tree. False when the tree
// cannot be written as menu code.
bool currentCodeText(bool stringForm, std::string& text);

// Preview Menu: takes the text as Copy Code does and shows the menu.
void showPreview(HWND mainWindow);

// Applies command enabling for the tab and, in the tree tab, for the selected node.
void applyCommandEnabling();

}  // namespace tessary
