#pragma once
// The primary screen as the layout code sees it.

#include <optional>

#include "startup/environment/screen_metrics.h"

namespace qav {

// Nothing when the windowing system has no screen.
std::optional<ScreenInfo> ProbePrimaryScreen();

}  // namespace qav
