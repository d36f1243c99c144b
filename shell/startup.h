// The document side of the editor's start: whether the wizard opens, the file
// association, and the command line once the main window exists.
#pragma once

namespace tessary {

class MainWindow;
struct Program;

// The wizard opens for an empty command line when the "Wizard" setting is on
// (or missing), always for exactly "-wizard", never otherwise.
bool wizardOpensOnStart(Program& program, const char* commandLine);

// Writes the file association for this program file; silent on failure.
void registerProgramFileTypes();

// Whether the command line names a document that a running main window (of
// another copy) already holds: that window then comes to the front, and this
// copy has nothing to do.
bool documentHeldElsewhere(const char* commandLine);

// Applies the command line (switches or a document path) to the main window's
// document and refreshes its title.
void applyStartupCommandLine(MainWindow& window, const char* commandLine);

}  // namespace tessary
