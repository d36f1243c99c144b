#include "shell/status_hints.h"

#include <commctrl.h>

#include <string>

#include "editor/command_hints.h"
#include "shell/app_state.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

void setStatusText(const std::string& text) {
    if (gApp.statusBar) {
        SendMessageA(gApp.statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

EditorTab currentTab() {
    if (gApp.tabControl && SendMessageA(gApp.tabControl, TCM_GETCURSEL, 0, 0) == 1) {
        return EditorTab::MenuCode;
    }
    return EditorTab::MenuTree;
}

// The Open Recent items carry their path after the "&N " prefix.
std::string recentItemPath(UINT commandId) {
    HMENU menu = gApp.mainWindow ? GetMenu(gApp.mainWindow) : nullptr;
    char text[MAX_PATH + 16] = {};
    if (!menu || !GetMenuStringA(menu, commandId, text, sizeof text, MF_BYCOMMAND)) {
        return {};
    }
    std::string item = text;
    size_t blank = item.find(' ');
    return blank == std::string::npos ? item : item.substr(blank + 1);
}

}  // namespace

void showCommandHint(UINT commandId, UINT menuFlags) {
    if (menuFlags & MF_POPUP) {
        setStatusText({});
        return;
    }
    if (isRecentFileCommand(commandId)) {
        setStatusText(recentItemPath(commandId));
        return;
    }
    unsigned stringId = hintStringId(commandId, currentTab());
    setStatusText(stringId ? loadString(stringId) : std::string());
}

void clearStatusHint() { setStatusText({}); }

}  // namespace tessary
