#pragma once
// Fixed tables shared by the imaging code.

#include <array>

namespace qav {

// Entry k is 255 * k / 32 rounded to the nearest integer, halves to even: the alpha steps of the
// 32-frame show and hide fades.
constexpr std::array<int, 33> MakeAlphaRamp() {
  std::array<int, 33> ramp{};
  for (int k = 0; k <= 32; ++k) {
    const int whole = 255 * k / 32;
    const int twiceRest = 2 * (255 * k % 32);
    const bool up = twiceRest > 32 || (twiceRest == 32 && whole % 2 == 1);
    ramp[static_cast<std::size_t>(k)] = whole + (up ? 1 : 0);
  }
  return ramp;
}

inline constexpr std::array<int, 33> kAlphaRamp = MakeAlphaRamp();

}  // namespace qav
