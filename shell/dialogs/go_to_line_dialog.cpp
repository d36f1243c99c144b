// "Go to Line" in the "Menu Code" tab: asks for a line of the code.
#include "shell/dialogs/dialogs.h"

#include <string>

#include "editor/code_text.h"
#include "resources/resource.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

class GoToLineDialog : public Dialog {
public:
    explicit GoToLineDialog(GoToLineFields& fields) : fields_(fields) {}

private:
    bool onInit() override {
        setItemText(IDC_GOTO_NUMBER, std::to_string(fields_.line));
        SendMessageA(item(IDC_GOTO_NUMBER), EM_SETSEL, 0, -1);
        return true;
    }

    bool onOk() override {
        const std::optional<int> line = goToLineTarget(itemText(IDC_GOTO_NUMBER), fields_.lineCount);
        if (!line) {
            showStringMessageInt(hwnd(), IDS_LINE_OUT_OF_RANGE, fields_.lineCount, MB_OK | MB_ICONWARNING);
            SetFocus(item(IDC_GOTO_NUMBER));
            SendMessageA(item(IDC_GOTO_NUMBER), EM_SETSEL, 0, -1);
            return false;
        }
        fields_.line = *line;
        return true;
    }

    GoToLineFields& fields_;
};

}  // namespace

bool runGoToLineDialog(HWND owner, GoToLineFields& io) {
    GoToLineFields fields = io;
    GoToLineDialog dialog(fields);
    if (dialog.runModal(owner, IDD_GOTO_LINE) != IDOK) {
        return false;
    }
    io = fields;
    return true;
}

}  // namespace tessary
