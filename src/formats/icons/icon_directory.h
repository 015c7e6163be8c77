#pragma once
// Directories of icon images: the header of an .ico file and the icon-group resource of a
// program (RT_GROUP_ICON), and the rules that pick one image out of each.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qav::readers {

struct IconEntry {
  std::uint8_t width = 0;   // 0 means 256
  std::uint8_t height = 0;  // 0 means 256
  std::uint8_t colorCount = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t bytesInRes = 0;
  std::uint32_t imageOffset = 0;  // icon files: offset of the image in the file
  std::uint16_t id = 0;           // icon-group resources: the icon resource id
};

inline int PixelsOf(std::uint8_t dimension) {
  return dimension == 0 ? 256 : dimension;
}

// An .ico file: a 6-byte header (reserved, type 1, count) then `count` 16-byte entries. Nothing
// when the header is truncated, its type is not 1 or its entries run past the end.
std::optional<std::vector<IconEntry>> ParseIconFile(std::span<const std::uint8_t> file);

// Scans in order: a 256-pixel 32-bit entry is taken at once; otherwise an entry replaces the
// current choice when its bit count is greater, or equal with a width at least as large (so the
// last of equals wins). Nothing for an empty list.
std::optional<std::size_t> ChooseIconFileEntry(const std::vector<IconEntry>& entries);

// The bytes of one image of an icon file; nothing when they are empty or not inside the file.
std::optional<std::span<const std::uint8_t>> IconFileImage(std::span<const std::uint8_t> file,
                                                           const IconEntry& entry);

// An icon-group resource: a 6-byte header then 14-byte entries ending in the icon resource id.
// The entries are as many as fit; the header's count is not trusted. Nothing under 20 bytes.
std::optional<std::vector<IconEntry>> ParseIconGroup(std::span<const std::uint8_t> group);

// Skips entries whose bit count is outside 1..32; the widest of the others wins, then the deepest
// colour; on a full tie the earlier entry stays. Nothing when no entry is usable.
std::optional<std::size_t> ChooseIconGroupEntry(const std::vector<IconEntry>& entries);

}  // namespace qav::readers
