// The status-line hint of each command: a string-table number, chosen by the
// command and, for Cut, Copy and Paste, by the tab that is shown.
#pragma once

namespace tessary {

enum class EditorTab { MenuTree = 0, MenuCode = 1 };

// 0 when the command has no hint text (the status line is then emptied). The
// Open Recent items show their file's path instead; see isRecentFileCommand.
unsigned hintStringId(unsigned commandId, EditorTab tab);

bool isRecentFileCommand(unsigned commandId);

}  // namespace tessary
