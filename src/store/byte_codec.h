#pragma once
// Little-endian encoding of the raw records of the configuration files.

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace qav {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void U8(std::uint8_t v) { out_.push_back(v); }
  void I16(std::int16_t v) { Unsigned(static_cast<std::uint16_t>(v), 2); }
  void I32(std::int32_t v) { Unsigned(static_cast<std::uint32_t>(v), 4); }
  template <typename Array>
  void Bytes(const Array& bytes) {
    for (const auto b : bytes) out_.push_back(static_cast<std::uint8_t>(b));
  }

 private:
  void Unsigned(std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  std::vector<std::uint8_t>& out_;
};

// Reads past the end as zero bytes, as a short file reads, and remembers that it did.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}

  std::uint8_t U8() { return static_cast<std::uint8_t>(Unsigned(1)); }
  std::int16_t I16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(Unsigned(2))); }
  std::int32_t I32() { return static_cast<std::int32_t>(Unsigned(4)); }
  template <typename Array>
  void Bytes(Array& bytes) {
    for (auto& b : bytes) b = static_cast<typename Array::value_type>(U8());
  }

  std::size_t Position() const { return pos_; }
  bool RanPastEnd() const { return pos_ > in_.size(); }

 private:
  std::uint32_t Unsigned(int count) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i, ++pos_) {
      const std::uint32_t byte = pos_ < in_.size() ? in_[pos_] : 0u;
      v |= byte << (8 * i);
    }
    return v;
  }
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
};

}  // namespace qav
