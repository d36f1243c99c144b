// A real main window of its own for each test, over a Program whose second
// copies are recorded instead of started. The registry's company key is
// removed before and after, and a quit message the window posts is drained.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/command_enabling.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/dialog_driver.h"

namespace tessary::test {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Another main window of the same program (it becomes the program's main
    // window); destroyed with the test.
    MainWindow& otherWindow(bool show);

    HWND hwnd() const { return window->hwnd(); }
    MenuTree& tree() { return window->tree(); }
    DocumentState& document() { return window->document(); }
    const MainWindowControls& controls() const { return window->controls(); }
    std::string title() const { return DialogDriver::windowText(window->hwnd()); }

    void command(UINT id, HWND target = nullptr) const;
    // What a click on a tab does: select it and tell the main window.
    void clickTab(EditorTab tab) const;
    // The code edit's whole text.
    std::string codeText() const;
    // The text of status bar part 0.
    std::string statusText() const;

    Program program;
    MainWindow* window = nullptr;
    // The command line of every second copy the window asked for.
    std::vector<std::string> launched;

private:
    std::vector<HWND> others_;
};

}  // namespace tessary::test
