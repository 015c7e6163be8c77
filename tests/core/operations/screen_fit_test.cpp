#include "core/operations/screen_fit.h"

#include <gtest/gtest.h>

#include "startup_fixture.h"

namespace qav {
namespace {

// A 1024x600 screen to the right of a 1366x768 one.
ScreenInfo SmallSecondScreen() {
  ScreenInfo info = test::ScreenOf(1024, 600);
  info.workArea = {1366, 0, 1366 + 1024, 600};
  info.largestWidth = 1366;
  info.largestHeight = 768;
  return info;
}

ScreenInfo LargeFirstScreen() {
  ScreenInfo info = test::ScreenOf(1366, 768);
  info.largestWidth = 1366;
  info.largestHeight = 768;
  return info;
}

class ScreenFitTest : public ::testing::Test, protected test::StartupFixture {
 protected:
  void Start(const ScreenInfo& screen) {
    state = AppState{};
    state.paths = InitPaths(folders, system);
    IniParam(state, true, true, true, platform, screen, pictures);
  }
  int SavedRadius() {
    SaveConfiguration(state, platform);
    return DecodeSettingsRecord(test::ReadBytes(state.paths.SettingsFile)).RingRadius;
  }
};

TEST_F(ScreenFitTest, TheRingIsLaidOutInTheWorkAreaOfItsScreen) {
  Start(LargeFirstScreen());
  FitToScreen(state, SmallSecondScreen());
  EXPECT_EQ(state.screen.WorkArea.left, 1366);
  EXPECT_EQ(state.screen.RingCentreX, 512);  // window-relative: the window covers the screen
  EXPECT_EQ(state.settings.MaxRadius, 220);
  EXPECT_EQ(state.settings.RingRadius, 220);
  EXPECT_EQ(state.MenuRows, 12);
  EXPECT_EQ(state.ring.Slots[1].PlateLeft, 512 + 220 - 24);
  EXPECT_EQ(state.ring.MinLeft, 512 - kBorderSize / 2);  // centred minimized place
  EXPECT_EQ(state.ring.MinTop, 300 - kBorderSize / 2);

  FitToScreen(state, LargeFirstScreen());
  EXPECT_EQ(state.settings.RingRadius, 300);
  EXPECT_EQ(state.MenuRows, 17);
  EXPECT_EQ(state.ring.Slots[1].PlateLeft, 683 + 300 - 24);
}

TEST_F(ScreenFitTest, ASmallerScreenNeverRewritesTheUsersRadius) {
  Start(LargeFirstScreen());
  state.settings.RingRadius = 290;
  EXPECT_EQ(SavedRadius(), 290);

  // Started on the small screen while the large one is attached: the file keeps 290.
  Start(SmallSecondScreen());
  EXPECT_EQ(state.settings.RingRadius, 220);
  EXPECT_EQ(SavedRadius(), 290);
  FitToScreen(state, LargeFirstScreen());
  EXPECT_EQ(state.settings.RingRadius, 290);
  FitToScreen(state, SmallSecondScreen());
  EXPECT_EQ(SavedRadius(), 290);

  // A radius the user chooses on the small screen is theirs.
  state.settings.RingRadius = 210;
  state.settings.StoredRingRadius = 0;
  EXPECT_EQ(SavedRadius(), 210);
  FitToScreen(state, LargeFirstScreen());
  EXPECT_EQ(state.settings.RingRadius, 210);
}

TEST_F(ScreenFitTest, AloneOnASmallScreenARadiusThatFitsNowhereFallsBack) {
  Start(LargeFirstScreen());
  state.settings.RingRadius = 290;
  SavedRadius();
  Start(test::ScreenOf(1024, 600));  // the only screen: the value fits no screen there is
  EXPECT_EQ(state.settings.RingRadius, 220);
  EXPECT_EQ(SavedRadius(), 220);
}

}  // namespace
}  // namespace qav
