// Where the editor keeps what outlives a run: per-user settings (DWORD values
// of the program key) and the recent-file list (File0..File3 of its "Recent
// File List" subkey). A narrow interface with a registry implementation for the
// program and an in-memory one for tests and tools. Reads report whether a
// value was there; the typed readers below put the defaults on top.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "menucode/calculation_text.h"

namespace tessary {

// Setting names, exactly as stored.
constexpr const char* kSettingWizard = "Wizard";
constexpr const char* kSettingShowHint = "ShowHint";
constexpr const char* kSettingUseFm = "UseFM";
constexpr const char* kSettingChooseFmVersion = "ChooseFmItem_fm";
constexpr const char* kSettingChooseFmMode = "ChooseFmItem_mode";

// The recent-file list: positions 0 (most recent) to 3.
constexpr int kRecentFileCount = 4;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // False when the value (or the key holding it) cannot be read; value is then
    // left alone.
    virtual bool readSetting(std::string_view name, uint32_t& value) = 0;
    // Creates what is missing and writes the value; a failure is silent.
    virtual void writeSetting(std::string_view name, uint32_t value) = 0;

    // "File<index>" of the recent-file list; false when missing or unreadable.
    virtual bool readRecentFile(int index, std::string& path) = 0;
    // Writes "File<index>" (an empty path is written as an empty string).
    virtual void writeRecentFile(int index, std::string_view path) = 0;
    // Deletes every value of the recent-file list.
    virtual void clearRecentFiles() = 0;
};

// ---- Typed readers and writers, with the default on every read ----

// The wizard opens at start: nonzero, or missing.
bool readWizardSetting(SettingsStore& store);
// The hint after Copy Code and Copy String Code: nonzero, or missing.
bool readShowHintSetting(SettingsStore& store);
// The FileMaker generation Copy String Code writes for and the wizard's file
// dialog preselects: 7 and later when the value is missing, 0 or 7; 5 to 6
// for any other value.
FileMakerGeneration readUseFmSetting(SettingsStore& store);
// Stores the generation as "UseFM" 6 or 7.
void writeUseFmSetting(SettingsStore& store, FileMakerGeneration generation);
// Any other setting: its value, or fallback when missing.
uint32_t readSettingOr(SettingsStore& store, std::string_view name, uint32_t fallback);
// Stores 1 for true and 0 for false ("Wizard", "ShowHint").
void writeFlagSetting(SettingsStore& store, std::string_view name, bool flag);

// ---- In memory ----

class MemorySettingsStore : public SettingsStore {
public:
    bool readSetting(std::string_view name, uint32_t& value) override;
    void writeSetting(std::string_view name, uint32_t value) override;
    bool readRecentFile(int index, std::string& path) override;
    void writeRecentFile(int index, std::string_view path) override;
    void clearRecentFiles() override;

    // Every value, for tests to look at and to set up.
    std::map<std::string, uint32_t, std::less<>> settings;
    std::map<int, std::string> recentFiles;
};

}  // namespace tessary
