// The View menu's zoom: the steps it walks, the floor where captions stay
// legible, the ceiling where the range's window still fits the screen, and
// items enabled only where they would change the factor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/main_window.h"
#include "play/fake_platform.h"
#include "play/frm_main.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

struct ZoomCase {
  const char* name;
  bool four_by_four;
  Int screen_w, screen_h;  // twips
  const char* stored;      // the factor kept from an earlier start, or none
  std::string keys;        // '+' zoom in, '-' zoom out, '0' actual size
  Int zoom;                // the factor after the keys
  bool in, out, reset;     // the items' enabled states then
};

class Zoom : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(Zoom, WalksTheStepsWithinTheLegibleFloorAndTheScreen) {
  const ZoomCase& c = GetParam();
  FakePlatform platform;
  platform.screen_w = c.screen_w;
  platform.screen_h = c.screen_h;
  if (c.stored) platform.store["Zoom"] = c.stored;
  FrmMain w{platform};
  w.start_up();
  if (c.four_by_four) {
    ASSERT_TRUE(w.choose_menu("mnuFileSetupRange4x4"));
  }
  for (const char k : c.keys) {
    const char* item = k == '+'   ? "mnuViewZoomIn"
                       : k == '-' ? "mnuViewZoomOut"
                                  : "mnuViewZoomReset";
    w.choose_menu(item);  // a disabled item is refused and changes nothing
  }
  EXPECT_EQ(w.window().zoom, c.zoom);
  EXPECT_EQ(w.menus().find("mnuViewZoomIn")->enabled, c.in);
  EXPECT_EQ(w.menus().find("mnuViewZoomOut")->enabled, c.out);
  EXPECT_EQ(w.menus().find("mnuViewZoomReset")->enabled, c.reset);
}

constexpr Int kWide = 28800, kHigh = 16200;  // 1920 x 1080 pixels

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Zoom, ::testing::Values(
    ZoomCase{"start",              false, kWide, kHigh, nullptr, "",            100,  true,  true,  false},
    ZoomCase{"one_step_in",        false, kWide, kHigh, nullptr, "+",           110,  true,  true,  true},
    ZoomCase{"down_to_the_floor",  false, kWide, kHigh, nullptr, "-----",       kLegibleZoom, true, false, true},
    ZoomCase{"back_to_actual",     false, kWide, kHigh, nullptr, "--0",         100,  true,  true,  false},
    ZoomCase{"up_to_the_screen",   false, kWide, kHigh, nullptr, "++++++++++",  201,  false, true,  true},
    ZoomCase{"small_screen_4x4",   true,  9600,  7200,  nullptr, "",            100,  false, true,  true},
    ZoomCase{"small_screen_reset", true,  9600,  7200,  nullptr, "0+",          63,   false, false, false},
    // A factor kept from a larger screen comes down to this one's in one step.
    ZoomCase{"kept_above_screen",  false, kWide, kHigh, "300",   "-",           201,  false, true,  true}),
    [](const ::testing::TestParamInfo<ZoomCase>& i) { return std::string(i.param.name); });
// clang-format on

// A page in a browser is zoomed by the browser: no View menu, and its keys
// change nothing.
TEST(ZoomInABrowser, HasNoViewMenuAndItsKeysChangeNothing) {
  FakePlatform platform;
  platform.zooms = false;
  FrmMain w{platform};
  w.start_up();
  EXPECT_FALSE(w.menus().find("mnuView")->visible);
  w.press_key("Ctrl++");
  w.press_key("Ctrl+-");
  EXPECT_EQ(w.window().zoom, 100);
}

}  // namespace
}  // namespace zerdo
