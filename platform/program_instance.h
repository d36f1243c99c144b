// The running program as other programs see it: its file and folder, a second
// copy started through the shell, and the message every running copy's main
// window receives when the recent-file list changed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "documents/command_line.h"
#include "platform/window_protocol.h"

namespace tessary {

// The full path of the program file; empty when it does not fit a path.
std::string ownProgramPath();
// Its folder, ending in a backslash; empty when unknown.
std::string programFolder();

// Starts a program through the shell ("open", no working folder, normal
// window). Returns an empty string, or the reason it could not be started.
std::string launchProgram(const std::string& program, const std::string& parameters);
// A second copy of this program, with the request's launchParameters as its
// command line.
std::string launchInstance(const LaunchRequest& request);

// Posts kRecentListChangedMessage to every top-level window whose class is
// exactly "VarnexMain", this program's included. Returns how many there were.
int broadcastRecentListChanged();

}  // namespace tessary
