// Settings and the recent-file list in the registry:
// HKEY_CURRENT_USER\SOFTWARE\Quorix\Tessary2 (DWORD values) and its subkey
// "Recent File List" (REG_SZ File0..File3). Reads never create keys; writes
// create what is missing. Failures are silent, as the settings store asks.
#pragma once

#include <windows.h>

#include "documents/settings_store.h"

namespace tessary {

constexpr const char* kProgramKeyPath = "SOFTWARE\\Quorix\\Tessary2";
constexpr const char* kRecentFileListKey = "Recent File List";

class RegistrySettingsStore : public SettingsStore {
public:
    bool readSetting(std::string_view name, uint32_t& value) override;
    void writeSetting(std::string_view name, uint32_t value) override;
    bool readRecentFile(int index, std::string& path) override;
    void writeRecentFile(int index, std::string_view path) override;
    void clearRecentFiles() override;
};

// Opens the program key (creating the missing parts when forWriting) with full
// access; null on failure. The caller closes it.
HKEY openProgramKey(bool forWriting);

}  // namespace tessary
