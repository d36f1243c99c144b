// "About": the program's icon, name and version.
#include "shell/dialogs/dialogs.h"

#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/window_helpers.h"
#include "version.h"

namespace tessary {
namespace {

#define TESSARY_STRINGIZE2(x) #x
#define TESSARY_STRINGIZE(x) TESSARY_STRINGIZE2(x)

constexpr const char* kNameLine =
    "Tessary " TESSARY_STRINGIZE(TESSARY_VERSION_MAJOR) "." TESSARY_STRINGIZE(TESSARY_VERSION_MINOR);
constexpr const char* kSecondLine =
    "Version " TESSARY_VERSION_STRING ". Builds and checks the menu code of the Varnex plug-in for FileMaker Pro.";

class AboutDialog : public Dialog {
public:
    ~AboutDialog() override {
        if (nameFont_) {
            DeleteObject(nameFont_);
        }
    }

private:
    bool onInit() override {
        setItemText(IDC_ABOUT_NAME, kNameLine);
        setItemText(IDC_ABOUT_LINE, kSecondLine);
        nameFont_ = createControlFont(item(IDC_ABOUT_NAME), nullptr, true, 0);
        SendMessageA(item(IDC_ABOUT_NAME), WM_SETFONT, reinterpret_cast<WPARAM>(nameFont_), FALSE);
        return true;
    }

    HFONT nameFont_ = nullptr;
};

}  // namespace

void runAboutDialog(HWND owner) {
    AboutDialog dialog;
    dialog.runModal(owner, IDD_ABOUT);
}

}  // namespace tessary
