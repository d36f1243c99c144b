#include "support/ready_made_folder.h"

#include <windows.h>

#include "win32_test_files.h"

namespace tessary::test {

ReadyMadeFolder::ReadyMadeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    templates_ = std::string(path, std::string(path).rfind('\\') + 1) + "Templates\\";
    ScratchFolder::removeTree(templates_);
    CreateDirectoryA(templates_.c_str(), nullptr);
    CreateDirectoryA((templates_ + "FileMaker Menus\\").c_str(), nullptr);
}

ReadyMadeFolder::~ReadyMadeFolder() {
    ScratchFolder::removeTree(templates_);
}

void ReadyMadeFolder::addTemplate(const std::string& name, const std::string& code) const {
    ScratchFolder::write(templates_ + name + ".qxtf", code);
}

void ReadyMadeFolder::addStandardMenu(const std::string& versionAndMode, const std::string& code) const {
    ScratchFolder::write(templates_ + "FileMaker Menus\\" + versionAndMode + ".qxtf", code);
}

}  // namespace tessary::test
