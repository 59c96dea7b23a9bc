#pragma once
#include "model/types.h"

namespace zerdo {

// The main window at its first start and on the 3x3 board, in twips.
constexpr Int kDefaultWindowWidth = 11895;
constexpr Int kDefaultWindowHeight = 8040;

// The factors (percent) the store keeps for the board, and the first one.
constexpr Int kZoomMin = 25, kZoomMax = 400, kDefaultZoom = 100;
// Captions and labels are drawn this many pixels high at 100 %; below the
// least legible height they would be a blur.
constexpr Int kCaptionPixels = 12, kLegibleCaptionPixels = 9;
// The smallest factor the board is shown at: its captions stay legible (75 %).
constexpr Int kLegibleZoom = (100 * kLegibleCaptionPixels + kCaptionPixels - 1) / kCaptionPixels;
// The factors (percent) Zoom in and Zoom out step through, smallest first.
inline constexpr Int kZoomSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// The status bar: panels 2 to 4 have fixed widths, and panel 1 takes what the
// window leaves of its width after them and the margin.
constexpr Int kStatusPanel2Width = 800;
constexpr Int kStatusPanel3Width = 550;
constexpr Int kStatusPanel4Width = 1200;
constexpr Int kStatusBarMargin = 700;
constexpr Int kStatusFixedWidth =
    kStatusPanel2Width + kStatusPanel3Width + kStatusPanel4Width + kStatusBarMargin;  // 3250

// The width of status panel 1 in a window window_width twips wide.
constexpr Int status_panel1_width(long long window_width) {
  return clamp16(window_width - kStatusFixedWidth);
}

}  // namespace zerdo
