#include "editor/main_window_layout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tessary {

void PrintTo(const Box& box, std::ostream* out) {
    *out << box.x << "," << box.y << " " << box.width << "x" << box.height;
}
void PrintTo(const WindowSize& size, std::ostream* out) {
    *out << size.width << "x" << size.height;
}

namespace {

TEST(MainWindowLayout, At96DpiIsTheDesignedTable) {
    const int w = 700;
    const int h = 500;
    const MainWindowLayout layout = layoutMainWindow(w, h, 96, sideButtonWidth(96, 75));
    EXPECT_EQ(layout.tabControl, (Box{5, 15, w - 118, h - 41}));
    EXPECT_EQ(layout.view, (Box{10, 40, w - 128, h - 71}));
    EXPECT_EQ(layout.topLine, (Box{5, 0, w - 10, 2}));
    EXPECT_EQ(layout.toolbar.x, w - 108);
    EXPECT_EQ(layout.toolbar.y, 35);
    const int tops[] = {75, 105, 135, 165, 200, 230, h - 110, h - 80, h - 50};
    for (int i = 0; i < kMainSideButtonCount; ++i) {
        EXPECT_EQ(layout.sideButtons[i], (Box{w - 106, tops[i], 100, 23})) << i;
    }
    EXPECT_EQ(layout.buttonLine, (Box{w - 106, 193, 100, 2}));
    EXPECT_EQ(layout.statusSplit, w - 130);
    EXPECT_EQ(mainWindowSize(96, 100), (WindowSize{500, 450}));
}

TEST(MainWindowLayout, ScalesWithTheDpiAndWidensForLongLabels) {
    const struct {
        int dpi;
        int longestLabel;  // pixels
        int buttonWidth;
        WindowSize window;
        Box firstButton;  // in a client area of 1000 x 800
        Box view;
    } cases[] = {
        {96, 75, 100, {500, 450}, {894, 75, 100, 23}, {10, 40, 872, 729}},
        {120, 94, 125, {625, 563}, {867, 94, 125, 29}, {13, 50, 839, 711}},
        {144, 112, 150, {750, 675}, {841, 113, 150, 35}, {15, 60, 808, 693}},
        {192, 150, 200, {1000, 900}, {788, 150, 200, 46}, {20, 80, 744, 658}},
        // A label wider than the scaled button (a large font) widens the column and the window.
        {144, 160, 176, {776, 675}, {815, 113, 176, 35}, {15, 60, 782, 693}},
    };
    for (const auto& c : cases) {
        const int width = sideButtonWidth(c.dpi, c.longestLabel);
        EXPECT_EQ(width, c.buttonWidth) << c.dpi;
        EXPECT_EQ(mainWindowSize(c.dpi, width), c.window) << c.dpi;
        const MainWindowLayout layout = layoutMainWindow(1000, 800, c.dpi, width);
        EXPECT_EQ(layout.sideButtons[0], c.firstButton) << c.dpi;
        EXPECT_EQ(layout.view, c.view) << c.dpi;
    }
}

// At the smallest window every DPI keeps the controls apart: the two groups of
// buttons, the buttons and the status bar, the view and the button column.
TEST(MainWindowLayout, NothingOverlapsAtTheSmallestWindow) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        const int width = sideButtonWidth(dpi, scaledForDpi(75, dpi));
        const WindowSize window = mainWindowSize(dpi, width);
        // The frame, caption and menu bar take at most 80 design pixels of the
        // height and 16 of the width; the status bar 24 of the client's bottom.
        const int w = window.width - scaledForDpi(16, dpi);
        const int h = window.height - scaledForDpi(80, dpi);
        const MainWindowLayout layout = layoutMainWindow(w, h, dpi, width);
        for (int i = 1; i < kMainSideButtonCount; ++i) {
            const Box& above = layout.sideButtons[i - 1];
            EXPECT_LE(above.y + above.height, layout.sideButtons[i].y) << dpi << " button " << i;
        }
        const Box& last = layout.sideButtons[kMainSideButtonCount - 1];
        EXPECT_LE(last.y + last.height, h - scaledForDpi(24, dpi)) << dpi;
        EXPECT_LE(last.x + last.width, w) << dpi;
        EXPECT_LT(layout.tabControl.x + layout.tabControl.width, last.x) << dpi;
        EXPECT_LE(layout.view.x + layout.view.width, layout.tabControl.x + layout.tabControl.width) << dpi;
        EXPECT_LE(layout.view.y + layout.view.height, layout.tabControl.y + layout.tabControl.height) << dpi;
        EXPECT_LT(layout.toolbar.y, layout.sideButtons[0].y) << dpi;
        EXPECT_GE(layout.buttonLine.y, layout.sideButtons[3].y + layout.sideButtons[3].height) << dpi;
        EXPECT_LE(layout.buttonLine.y + layout.buttonLine.height, layout.sideButtons[4].y) << dpi;
    }
}

}  // namespace
}  // namespace tessary
