#include "core/operations/screen_fit.h"

#include <algorithm>

#include "core/dock_geometry/ring_layout.h"

namespace qav {
namespace {

constexpr int kDefaultRadius = 300;

}  // namespace

int MenuRowsFor(int screenHeight) {
  const int fitting = (screenHeight - 76) / 38;
  return fitting - 1 >= 19 ? 18 : fitting - 1;
}

void FitToScreen(AppState& state, const ScreenInfo& screen) {
  state.screen = ComputeScreenMetrics(screen);
  Settings& s = state.settings;
  s.MaxRadius = MaxRadiusFor(state.screen);
  const int wanted = s.StoredRingRadius > 0 ? s.StoredRingRadius : s.RingRadius;
  const bool fits = wanted >= s.MinRingRadius && wanted <= s.MaxRadius;
  s.RingRadius = fits ? wanted : std::min(s.MaxRadius, kDefaultRadius);
  s.StoredRingRadius = fits ? 0 : wanted;
  state.MenuRows = MenuRowsFor(state.screen.ScreenHeight);
  CalcRingLayout(state.ring, state.screen,
                 {s.NormalIconSize, s.MagnifiedIconSize, s.RingRadius, s.IconCount});
  SetMinimizedPosition(state.ring, state.screen, s.Record.MinimizedPosition);
}

}  // namespace qav
