#pragma once
// A text field of exactly N bytes in the configuration files' narrow encoding (UTF-8 here).
// Assigning pads with spaces or cuts to N, never inside a character; a field never assigned
// holds N NULs. Reading always goes through TrimNull.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/text.h"

namespace qav {

template <std::size_t N>
class FixedText {
 public:
  static constexpr std::size_t kSize = N;

  FixedText() { bytes_.fill('\0'); }
  explicit FixedText(std::string_view text) { Assign(text); }

  void Assign(std::string_view text) {
    const std::size_t used = Utf8CutLength(text, N);
    bytes_.fill(' ');
    text.copy(bytes_.data(), used);
  }
  FixedText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  // The field's value: up to the first NUL, without surrounding spaces.
  std::string Get() const { return TrimNull(Raw()); }
  bool IsEmpty() const { return Get().empty(); }
  std::string_view Raw() const { return {bytes_.data(), N}; }
  std::array<char, N>& Bytes() { return bytes_; }
  const std::array<char, N>& Bytes() const { return bytes_; }

  bool operator==(const FixedText&) const = default;

 private:
  std::array<char, N> bytes_;
};

}  // namespace qav
