#include "formats/icons/icon_directory.h"

#include "base/byte_view.h"

namespace qav::readers {
namespace {

constexpr std::uint64_t kHeaderSize = 6;
constexpr std::uint64_t kFileEntrySize = 16;
constexpr std::uint64_t kGroupEntrySize = 14;
constexpr std::uint16_t kIconType = 1;

// The first 12 bytes are laid out alike in file entries and group entries.
IconEntry ReadCommonFields(const ByteView& view, std::uint64_t at) {
  IconEntry entry;
  entry.width = view.U8(at);
  entry.height = view.U8(at + 1);
  entry.colorCount = view.U8(at + 2);
  entry.planes = view.U16(at + 4);
  entry.bitCount = view.U16(at + 6);
  entry.bytesInRes = view.U32(at + 8);
  return entry;
}

bool IsFullSize32Bit(const IconEntry& entry) {
  return entry.width == 0 && entry.bitCount == 32;
}

bool FileEntryBeats(const IconEntry& candidate, const IconEntry& chosen) {
  if (candidate.bitCount != chosen.bitCount) return candidate.bitCount > chosen.bitCount;
  return PixelsOf(candidate.width) >= PixelsOf(chosen.width);
}

bool UsableInGroup(const IconEntry& entry) {
  return entry.bitCount >= 1 && entry.bitCount <= 32;
}

bool GroupEntryBeats(const IconEntry& candidate, const IconEntry& chosen) {
  const int candidateWidth = PixelsOf(candidate.width);
  const int chosenWidth = PixelsOf(chosen.width);
  if (candidateWidth != chosenWidth) return candidateWidth > chosenWidth;
  return candidate.bitCount > chosen.bitCount;
}

}  // namespace

std::optional<std::vector<IconEntry>> ParseIconFile(std::span<const std::uint8_t> file) {
  const ByteView view(file);
  if (!view.Contains(0, kHeaderSize) || view.U16(2) != kIconType) return std::nullopt;
  const std::uint16_t count = view.U16(4);
  if (!view.Contains(kHeaderSize, count * kFileEntrySize)) return std::nullopt;
  std::vector<IconEntry> entries;
  entries.reserve(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t at = kHeaderSize + i * kFileEntrySize;
    IconEntry entry = ReadCommonFields(view, at);
    entry.imageOffset = view.U32(at + 12);
    entries.push_back(entry);
  }
  return entries;
}

std::optional<std::size_t> ChooseIconFileEntry(const std::vector<IconEntry>& entries) {
  if (entries.empty()) return std::nullopt;
  std::size_t chosen = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (IsFullSize32Bit(entries[i])) return i;
    if (i > 0 && FileEntryBeats(entries[i], entries[chosen])) chosen = i;
  }
  return chosen;
}

std::optional<std::span<const std::uint8_t>> IconFileImage(std::span<const std::uint8_t> file,
                                                           const IconEntry& entry) {
  if (entry.bytesInRes == 0) return std::nullopt;
  return ByteView(file).Slice(entry.imageOffset, entry.bytesInRes);
}

std::optional<std::vector<IconEntry>> ParseIconGroup(std::span<const std::uint8_t> group) {
  const ByteView view(group);
  if (view.size() < kHeaderSize + kGroupEntrySize) return std::nullopt;
  const std::uint64_t count = (view.size() - kHeaderSize) / kGroupEntrySize;
  std::vector<IconEntry> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t at = kHeaderSize + i * kGroupEntrySize;
    IconEntry entry = ReadCommonFields(view, at);
    entry.id = view.U16(at + 12);
    entries.push_back(entry);
  }
  return entries;
}

std::optional<std::size_t> ChooseIconGroupEntry(const std::vector<IconEntry>& entries) {
  std::optional<std::size_t> chosen;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!UsableInGroup(entries[i])) continue;
    if (!chosen || GroupEntryBeats(entries[i], entries[*chosen])) chosen = i;
  }
  return chosen;
}

}  // namespace qav::readers
