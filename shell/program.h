// The few things of a running copy that are not one window's: the instance,
// the accelerator tables, the registry settings and the files, the starting
// of a second copy, the windows the message loop routes keys to, and the
// preview's kept pop-up menu. WinMain owns the one Program; tests make their
// own.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "documents/command_line.h"
#include "platform/registry_settings_store.h"
#include "platform/win32_document_files.h"

namespace tessary {

class MainWindow;

struct Program {
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HINSTANCE instance = nullptr;
    HACCEL mainKeys = nullptr;  // accelerator table 220
    HACCEL treeKeys = nullptr;  // accelerator table 221: Delete and Enter while the tree has the keys
    RegistrySettingsStore settings;
    Win32DocumentFiles files;
    // Starts a second copy of the program. Tests replace it so that no program
    // starts.
    std::function<void(const LaunchRequest& request)> launchCopy;
    // The main window made last (null while only the wizard runs), and the
    // wizard's frame while it exists.
    MainWindow* mainWindow = nullptr;
    HWND wizardFrame = nullptr;
    // The pop-up menu of the latest context or pop-up menu preview, which every
    // such preview window opens; the next one replaces it. Null when none.
    HMENU keptPreviewMenu = nullptr;

    // Loads the two accelerator tables of the program's resources.
    void loadAccelerators();
};

}  // namespace tessary
