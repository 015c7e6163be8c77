#include "formats/links/path_spelling.h"

#include <algorithm>
#include <vector>

namespace qav::readers {
namespace {

using Components = std::vector<std::string_view>;

Components Split(std::string_view path) {
  Components parts;
  for (std::size_t start = 0;;) {
    const auto end = path.find('\\', start);
    parts.push_back(path.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The characters a code page keeps as they are: ASCII, lower-cased, without '?'.
std::string Skeleton(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80 && c != '?') out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
  return out;
}

bool Matches(std::string_view ansi, std::string_view unicode) {
  const auto characters =
      static_cast<std::size_t>(std::count_if(unicode.begin(), unicode.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      }));
  return characters <= ansi.size() && ansi.size() <= 4 * characters &&
         Skeleton(ansi) == Skeleton(unicode);
}

// The names at the end of `path`: what follows its last shell-folder, "." or ".." component.
Components TrailingNames(std::string_view path) {
  Components parts = Split(path);
  const auto last = std::find_if(parts.rbegin(), parts.rend(), [](std::string_view part) {
    return part.starts_with("::") || part == "." || part == "..";
  });
  parts.erase(parts.begin(), last.base());
  return parts;
}

// Spells parts[first, first + source.size()) as `source` when every component matches.
void SpellFrom(const Components& parts, const Components& source, std::size_t first,
               std::vector<std::optional<std::string>>& spelled) {
  for (std::size_t i = 0; i < source.size(); ++i)
    if (!Matches(parts[first + i], source[i])) return;
  for (std::size_t i = 0; i < source.size(); ++i)
    if (!spelled[first + i]) spelled[first + i] = std::string(source[i]);
}

}  // namespace

bool IsLossyAnsi(std::string_view ansi) {
  return std::any_of(ansi.begin(), ansi.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80 || c == '?'; });
}

std::optional<std::string> UnicodeSpelling(std::string_view ansi, std::string_view leading,
                                           std::span<const std::string_view> trailing) {
  const Components parts = Split(ansi);
  std::vector<std::optional<std::string>> spelled(parts.size());
  for (std::size_t i = 0; i < parts.size(); ++i)
    if (!IsLossyAnsi(parts[i])) spelled[i] = std::string(parts[i]);
  Components lead = leading.empty() ? Components() : Split(leading);
  if (lead.size() > 1 && lead.back().empty()) lead.pop_back();  // "C:\dir\" names "C:\dir"
  if (lead.size() <= parts.size()) SpellFrom(parts, lead, 0, spelled);
  for (const std::string_view path : trailing) {
    const Components tail = path.empty() ? Components() : TrailingNames(path);
    if (tail.size() <= parts.size()) SpellFrom(parts, tail, parts.size() - tail.size(), spelled);
  }
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!spelled[i]) return std::nullopt;
    out += (i == 0 ? "" : "\\") + *spelled[i];
  }
  return out;
}

}  // namespace qav::readers
