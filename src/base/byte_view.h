#pragma once
// Bounds-checked little-endian reads over borrowed bytes. Every reader of icon and program files
// goes through this view, so a lying offset or size can never reach past the end of a buffer.
// Integers are assembled byte by byte: file structures are often misaligned.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qav::readers {

class ByteView {
 public:
  ByteView() = default;
  explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint64_t size() const { return bytes_.size(); }
  std::span<const std::uint8_t> bytes() const { return bytes_; }

  // True when [offset, offset + count) lies inside the view; safe against overflow.
  bool Contains(std::uint64_t offset, std::uint64_t count) const {
    return offset <= size() && count <= size() - offset;
  }

  // Reads return 0 for bytes outside the view; callers check Contains() first wherever a 0
  // would be mistaken for real data.
  std::uint8_t U8(std::uint64_t offset) const {
    return Contains(offset, 1) ? bytes_[static_cast<std::size_t>(offset)] : 0;
  }
  std::uint16_t U16(std::uint64_t offset) const {
    if (!Contains(offset, 2)) return 0;
    return static_cast<std::uint16_t>(U8(offset) | (U8(offset + 1) << 8));
  }
  std::uint32_t U32(std::uint64_t offset) const {
    if (!Contains(offset, 4)) return 0;
    return static_cast<std::uint32_t>(U16(offset)) |
           (static_cast<std::uint32_t>(U16(offset + 2)) << 16);
  }
  std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

  // The bytes [offset, offset + count), or nothing when they do not all lie inside the view.
  std::optional<std::span<const std::uint8_t>> Slice(std::uint64_t offset,
                                                     std::uint64_t count) const {
    if (!Contains(offset, count)) return std::nullopt;
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace qav::readers
