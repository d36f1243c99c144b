#include "support/main_window_fixture.h"

#include <commctrl.h>

#include "shell/window_helpers.h"

namespace tessary::test {

void MainWindowFixture::SetUp() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    program.launchCopy = [this](const LaunchRequest& request) { launched.push_back(launchParameters(request)); };
    program.loadAccelerators();
    window = MainWindow::create(program);
    ASSERT_NE(window, nullptr);
}

void MainWindowFixture::TearDown() {
    for (HWND other : others_) {
        if (MainWindow* w = MainWindow::from(other)) {
            w->document().modified = false;
            DestroyWindow(other);
        }
    }
    if (window) {
        window->document().modified = false;
        DestroyWindow(window->hwnd());
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quorix");
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

MainWindow& MainWindowFixture::otherWindow(bool show) {
    MainWindow* other = MainWindow::create(program, {.show = show});
    EXPECT_NE(other, nullptr);
    others_.push_back(other->hwnd());
    return *other;
}

void MainWindowFixture::command(UINT id, HWND target) const {
    SendMessageA(target ? target : window->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void MainWindowFixture::clickTab(EditorTab tab) const {
    HWND tabs = window->controls().tabControl;
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    NMHDR header = {tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(window->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

std::string MainWindowFixture::codeText() const {
    return windowText(window->controls().codeEdit);
}

std::string MainWindowFixture::statusText() const {
    char text[512] = {};
    SendMessageA(window->controls().statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace tessary::test
