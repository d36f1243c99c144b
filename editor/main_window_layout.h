// Where the main window's child controls go, without windows. The layout is
// drawn for 96 DPI (the screen's dots per inch that Windows calls 100%): a
// tab control with the tree or code beside a column of side buttons 100 pixels
// wide. At any other DPI every length scales with it, and the button column
// widens when its longest label needs more than its scaled width.
//
// At 96 DPI with buttons 100 pixels wide, for a client area W x H:
//   tab control 5, 15, W - 118 x H - 41; tree and code edit 10, 40, W - 128 x H - 71;
//   top line 5, 0, W - 10 x 2; toolbar (moved, not sized) at W - 108, 35;
//   side buttons at x W - 106, 100 x 23, tops 75, 105, 135, 165 (the Add
//   commands), 200, 230 (Properties, Delete Item) and H - 110, H - 80, H - 50
//   (Preview, Copy String Code, Copy Code); the button line W - 106, 193, 100 x 2;
//   the status bar at the bottom, its caret part the last 130 pixels.
#pragma once

namespace tessary {

// The DPI the layout is drawn for.
constexpr int kDesignDpi = 96;

// A length of the 96-DPI design at dpi, rounded to the nearest pixel.
int scaledForDpi(int length, int dpi);

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

constexpr int kMainSideButtonCount = 9;

struct MainWindowLayout {
    Box tabControl;
    Box view;  // the tree control and the code edit, one of which is shown
    Box topLine;
    Box toolbar;  // only x and y: the toolbar keeps its own size
    Box sideButtons[kMainSideButtonCount];  // down the right edge: Add Menu ... Copy Code
    Box buttonLine;
    int statusSplit = 0;  // where the status bar's hint part ends and the caret part begins
};

// The width of the side buttons at dpi: the design's 100 pixels scaled, or
// the longest label's width (in pixels, measured in the buttons' font) with a
// margin on either side when that is wider.
int sideButtonWidth(int dpi, int longestLabel);

// The layout for a client area of the given size, with side buttons of the
// given width. The status bar itself lies along the bottom at its own height.
MainWindowLayout layoutMainWindow(int clientWidth, int clientHeight, int dpi, int buttonWidth);

// The window's first and smallest size: 500 x 450 at 96 DPI, scaled, and
// wider by what side buttons of the given width need beyond their scaled
// design width.
WindowSize mainWindowSize(int dpi, int buttonWidth);

}  // namespace tessary
