#include "shell/program.h"

#include "platform/program_instance.h"
#include "resources/resource.h"

namespace tessary {

Program::Program()
    : instance(GetModuleHandleA(nullptr)),
      launchCopy([](const LaunchRequest& request) { launchInstance(request); }) {}

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
