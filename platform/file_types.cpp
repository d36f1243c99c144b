#include "platform/file_types.h"

#include <windows.h>

#include "documents/file_association.h"

namespace tessary {

namespace {

// Owns an open registry key.
class Key {
public:
    Key() = default;
    ~Key() {
        if (key_) {
            RegCloseKey(key_);
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool create(HKEY parent, const char* name) {
        return RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key_,
                               nullptr) == ERROR_SUCCESS;
    }
    bool open(HKEY parent, const char* name) {
        return RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key_) == ERROR_SUCCESS;
    }
    bool setDefault(const std::string& text) {
        return RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// One row; returns what failed, or an empty string.
std::string registerRow(const FileTypeRow& row, const std::string& programPath) {
    std::string failure = std::string(row.extension) + ": ";
    {
        Key progId;
        if (!progId.create(HKEY_CLASSES_ROOT, row.progId) || !progId.setDefault(row.description)) {
            return failure + "cannot write " + row.progId;
        }
        Key shell;
        Key open;
        Key command;
        if (!shell.create(progId.get(), "shell") || !open.create(shell.get(), "open") ||
            !command.create(open.get(), "command") || !command.setDefault(openCommandValue(programPath))) {
            return failure + "cannot write the open command";
        }
    }
    {
        Key extension;
        if (!extension.create(HKEY_CLASSES_ROOT, row.extension) || !extension.setDefault(row.progId)) {
            return failure + "cannot write the extension key";
        }
    }
    Key progId;
    Key icon;
    if (!progId.open(HKEY_CLASSES_ROOT, row.progId) || !icon.create(progId.get(), "DefaultIcon") ||
        !icon.setDefault(defaultIconValue(programPath, row.iconIndex))) {
        return failure + "cannot write the icon";
    }
    return {};
}

}  // namespace

std::string registerFileTypes(const std::string& programPath) {
    std::string failures;
    for (const FileTypeRow& row : fileTypeRows()) {
        std::string failure = registerRow(row, programPath);
        if (!failure.empty()) {
            failures += (failures.empty() ? "" : "; ") + failure;
        }
    }
    return failures;
}

}  // namespace tessary
