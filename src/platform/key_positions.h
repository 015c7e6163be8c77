#pragma once
// Keys the program knows by their place on the keyboard rather than by what the layout prints on
// them, as the native scan codes the window system reports.

namespace qav::platform {

// The key left of "1", below Escape: set-1 scan code 0x29 on Windows; X11 and Wayland number the
// same key 41 + 8.
#ifdef _WIN32
inline constexpr unsigned kScanCodeLeftOfOne = 0x29;
#else
inline constexpr unsigned kScanCodeLeftOfOne = 49;
#endif

}  // namespace qav::platform
