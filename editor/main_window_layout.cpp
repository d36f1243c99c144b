#include "editor/main_window_layout.h"

#include <algorithm>

namespace tessary {
namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 23;
// Room beside a button's label: the frame and a blank on either side.
constexpr int kLabelMargin = 5;
constexpr int kCaretPartWidth = 130;
constexpr WindowSize kWindowSize = {500, 450};

}  // namespace

int scaledForDpi(int length, int dpi) {
    const long long scaled = static_cast<long long>(length) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kDesignDpi / 2) / kDesignDpi
                                        : -((-scaled + kDesignDpi / 2) / kDesignDpi));
}

int sideButtonWidth(int dpi, int longestLabel) {
    return std::max(scaledForDpi(kButtonWidth, dpi), longestLabel + 2 * scaledForDpi(kLabelMargin, dpi));
}

MainWindowLayout layoutMainWindow(int w, int h, int dpi, int buttonWidth) {
    auto s = [dpi](int length) { return scaledForDpi(length, dpi); };
    // The column of buttons and what lies left of it move with the buttons' width.
    const int column = w - s(6) - buttonWidth;
    const int buttonHeight = s(kButtonHeight);
    MainWindowLayout layout;
    layout.tabControl = {s(5), s(15), column - s(12), h - s(41)};
    layout.view = {s(10), s(40), column - s(22), h - s(71)};
    layout.topLine = {s(5), 0, w - s(10), s(2)};
    layout.toolbar = {column - s(2), s(35), 0, 0};
    const int tops[kMainSideButtonCount] = {s(75),  s(105), s(135),        s(165),       s(200),
                                            s(230), h - s(110), h - s(80), h - s(50)};
    for (int i = 0; i < kMainSideButtonCount; ++i) {
        layout.sideButtons[i] = {column, tops[i], buttonWidth, buttonHeight};
    }
    layout.buttonLine = {column, s(193), buttonWidth, s(2)};
    layout.statusSplit = std::max(w - s(kCaretPartWidth), 0);
    return layout;
}

WindowSize mainWindowSize(int dpi, int buttonWidth) {
    const int wider = std::max(buttonWidth - scaledForDpi(kButtonWidth, dpi), 0);
    return {scaledForDpi(kWindowSize.width, dpi) + wider, scaledForDpi(kWindowSize.height, dpi)};
}

}  // namespace tessary
