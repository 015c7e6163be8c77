#pragma once
// Offsets of the menu file with standard bounds, computed independently of the encoder, and
// little helpers to poke raw values into an image.

#include <cstdint>
#include <vector>

namespace qav::test {

inline constexpr std::size_t kGroup3Size = 2 + 4 + 4 + 1025 * 4 + 4;  // 4114
inline constexpr std::size_t kGroupSize = 2 + 4 + 4 + 37 * 4 + 4;     // 162
inline constexpr std::size_t kRecordsOffset = kGroup3Size + 33 * kGroupSize;
inline constexpr std::size_t kRecordSize = 1297;

inline std::size_t GroupOffset(int g) {
  return g == 3 ? 0 : kGroup3Size + static_cast<std::size_t>(g - 4) * kGroupSize;
}
inline std::size_t RecordOffset(int r) {
  return kRecordsOffset + static_cast<std::size_t>(r) * kRecordSize;
}

inline void PutI32(std::vector<std::uint8_t>& image, std::size_t offset, std::int32_t value) {
  for (int i = 0; i < 4; ++i) {
    image[offset + static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
  }
}
inline std::int32_t GetI32(const std::vector<std::uint8_t>& image, std::size_t offset) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | image[offset + static_cast<std::size_t>(i)];
  return static_cast<std::int32_t>(v);
}

}  // namespace qav::test
