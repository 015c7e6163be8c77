#pragma once
// The names the file writes give their temporary copies: the final name, ".tmp-" and eight
// letters drawn at random. Whatever carries such a name beside one of the program's files was
// left there by an interrupted write of the program, and may be removed.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qav::platform {

inline constexpr std::string_view kTemporaryMark = ".tmp-";
inline constexpr std::size_t kTemporaryLetters = 8;

// The ending for eight random bytes.
inline std::string TemporaryEnding(const std::array<std::uint8_t, kTemporaryLetters>& random) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz234567";
  std::string ending(kTemporaryMark);
  for (const std::uint8_t byte : random) ending += kLetters[byte % 32];
  return ending;
}

inline bool IsTemporaryNameOf(std::string_view candidate, std::string_view finalName) {
  if (candidate.size() != finalName.size() + kTemporaryMark.size() + kTemporaryLetters ||
      !candidate.starts_with(finalName) ||
      candidate.substr(finalName.size(), kTemporaryMark.size()) != kTemporaryMark) {
    return false;
  }
  for (const char c : candidate.substr(finalName.size() + kTemporaryMark.size())) {
    if (!((c >= 'a' && c <= 'z') || (c >= '2' && c <= '7'))) return false;
  }
  return true;
}

// Whether `candidate` is the temporary copy of any file.
inline bool IsTemporaryName(std::string_view candidate) {
  constexpr std::size_t kSuffix = kTemporaryMark.size() + kTemporaryLetters;
  return candidate.size() > kSuffix &&
         IsTemporaryNameOf(candidate, candidate.substr(0, candidate.size() - kSuffix));
}

}  // namespace qav::platform
