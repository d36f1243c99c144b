#include "platform/registry_settings_store.h"

#include <cstring>
#include <string>

#include "documents/document_state.h"

namespace tessary {

namespace {

// Opens (or, when creating, creates) one key below parent; null on failure.
HKEY openSubkey(HKEY parent, const char* name, bool create) {
    HKEY key = nullptr;
    LONG result = create ? RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                           nullptr, &key, nullptr)
                         : RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

HKEY openRecentKey(bool forWriting) {
    HKEY program = openProgramKey(forWriting);
    if (!program) {
        return nullptr;
    }
    HKEY recent = openSubkey(program, kRecentFileListKey, forWriting);
    RegCloseKey(program);
    return recent;
}

std::string recentValueName(int index) {
    return "File" + std::to_string(index);
}

}  // namespace

HKEY openProgramKey(bool forWriting) {
    // "SOFTWARE" always exists; it is opened, never created. Each key is closed
    // as soon as the next one is open.
    HKEY software = openSubkey(HKEY_CURRENT_USER, "SOFTWARE", false);
    if (!software) {
        return nullptr;
    }
    HKEY company = openSubkey(software, "Quorix", forWriting);
    RegCloseKey(software);
    if (!company) {
        return nullptr;
    }
    HKEY program = openSubkey(company, "Tessary2", forWriting);
    RegCloseKey(company);
    return program;
}

bool RegistrySettingsStore::readSetting(std::string_view name, uint32_t& value) {
    HKEY key = openProgramKey(false);
    if (!key) {
        return false;
    }
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    LONG result = RegQueryValueExA(key, std::string(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                                   &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) {
        return false;
    }
    value = data;
    return true;
}

void RegistrySettingsStore::writeSetting(std::string_view name, uint32_t value) {
    HKEY key = openProgramKey(true);
    if (!key) {
        return;
    }
    DWORD data = value;
    RegSetValueExA(key, std::string(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
}

bool RegistrySettingsStore::readRecentFile(int index, std::string& path) {
    HKEY key = openRecentKey(false);
    if (!key) {
        return false;
    }
    // One byte more than a path may hold, so the terminator is always ours.
    char buffer[kMaxPathLength + 2] = {};
    DWORD type = 0;
    DWORD size = kMaxPathLength + 1;
    LONG result = RegQueryValueExA(key, recentValueName(index).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    // A value longer than a path (ERROR_MORE_DATA) or of another type is not a path.
    if (result != ERROR_SUCCESS || type != REG_SZ) {
        return false;
    }
    size_t length = strnlen(buffer, size);
    if (length > kMaxPathLength) {
        return false;
    }
    path.assign(buffer, length);
    return true;
}

void RegistrySettingsStore::writeRecentFile(int index, std::string_view path) {
    HKEY key = openRecentKey(true);
    if (!key) {
        return;
    }
    std::string text(path);
    RegSetValueExA(key, recentValueName(index).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void RegistrySettingsStore::clearRecentFiles() {
    HKEY key = openRecentKey(false);
    if (!key) {
        return;
    }
    // Deleting shifts the indexes, so the first value is taken until none is left.
    for (;;) {
        char name[256] = {};
        DWORD length = sizeof name;
        if (RegEnumValueA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            RegDeleteValueA(key, name) != ERROR_SUCCESS) {
            break;
        }
    }
    RegCloseKey(key);
}

}  // namespace tessary
