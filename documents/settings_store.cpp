#include "documents/settings_store.h"

namespace tessary {

bool readWizardSetting(SettingsStore& store) {
    return readSettingOr(store, kSettingWizard, 1) != 0;
}

bool readShowHintSetting(SettingsStore& store) {
    return readSettingOr(store, kSettingShowHint, 1) != 0;
}

FileMakerGeneration readUseFmSetting(SettingsStore& store) {
    uint32_t value = readSettingOr(store, kSettingUseFm, 7);
    return value == 0 || value == 7 ? FileMakerGeneration::FileMaker7AndLater : FileMakerGeneration::FileMaker5To6;
}

void writeUseFmSetting(SettingsStore& store, FileMakerGeneration generation) {
    store.writeSetting(kSettingUseFm, static_cast<uint32_t>(generation));
}

uint32_t readSettingOr(SettingsStore& store, std::string_view name, uint32_t fallback) {
    uint32_t value = fallback;
    return store.readSetting(name, value) ? value : fallback;
}

void writeFlagSetting(SettingsStore& store, std::string_view name, bool flag) {
    store.writeSetting(name, flag ? 1 : 0);
}

bool MemorySettingsStore::readSetting(std::string_view name, uint32_t& value) {
    auto found = settings.find(name);
    if (found == settings.end()) {
        return false;
    }
    value = found->second;
    return true;
}

void MemorySettingsStore::writeSetting(std::string_view name, uint32_t value) {
    settings[std::string(name)] = value;
}

bool MemorySettingsStore::readRecentFile(int index, std::string& path) {
    auto found = recentFiles.find(index);
    if (found == recentFiles.end()) {
        return false;
    }
    path = found->second;
    return true;
}

void MemorySettingsStore::writeRecentFile(int index, std::string_view path) {
    recentFiles[index] = std::string(path);
}

void MemorySettingsStore::clearRecentFiles() {
    recentFiles.clear();
}

}  // namespace tessary
