#include "shell/program.h"

#include "platform/program_instance.h"
#include "resources/resource.h"

namespace tessary {

Program::Program()
    : instance(GetModuleHandleA(nullptr)),
      launchCopy([](int kind, std::string_view path) { launchInstance(kind, path); }) {}

Program::~Program() {
    if (keptPreviewMenu && IsMenu(keptPreviewMenu)) {
        DestroyMenu(keptPreviewMenu);
    }
}

void Program::loadAccelerators() {
    mainKeys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL_MAIN));
    treeKeys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL_TREE));
}

}  // namespace tessary
