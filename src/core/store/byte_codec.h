#pragma once
// Little-endian encoding of the raw records of the configuration files. Writer and reader share
// one `Field` vocabulary, so each record's layout is written down once (see `TransferFields`
// functions) and serves both directions.

#include <cstdint>
#include <span>
#include <vector>

#include "core/store/fixed_text.h"

namespace qav {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Field(std::uint8_t v) { out_.push_back(v); }
  void Field(std::int16_t v) { Unsigned(static_cast<std::uint16_t>(v), 2); }
  void Field(std::int32_t v) { Unsigned(static_cast<std::uint32_t>(v), 4); }
  template <std::size_t N>
  void Field(const FixedText<N>& text) {
    for (const char c : text.Bytes()) out_.push_back(static_cast<std::uint8_t>(c));
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

  void Field(std::uint8_t& v) { v = static_cast<std::uint8_t>(Unsigned(1)); }
  void Field(std::int16_t& v) {
    v = static_cast<std::int16_t>(static_cast<std::uint16_t>(Unsigned(2)));
  }
  void Field(std::int32_t& v) { v = static_cast<std::int32_t>(Unsigned(4)); }
  template <std::size_t N>
  void Field(FixedText<N>& text) {
    for (char& c : text.Bytes()) c = static_cast<char>(Unsigned(1));
  }
  template <typename T>
  T Read() {
    T value{};
    Field(value);
    return value;
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
