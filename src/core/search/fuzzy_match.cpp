#include "core/search/fuzzy_match.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "base/text.h"

namespace qav::search {
namespace {

constexpr int kNone = std::numeric_limits<int>::min() / 2;

bool IsWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || byte >= 0x80;
}

// What matching the character at `at` is worth before any run bonus.
int PositionBonus(std::string_view text, std::size_t at) {
  if (at == 0) return kTextStartBonus;
  const char before = text[at - 1];
  const char here = text[at];
  if (!IsWordCharacter(before) && IsWordCharacter(here)) return kWordStartBonus;
  const bool camel = before >= 'a' && before <= 'z' && here >= 'A' && here <= 'Z';
  return camel ? kWordStartBonus : 0;
}

// Cheap refusal first: most texts do not hold the query's characters in order at all.
bool HoldsInOrder(std::string_view query, std::string_view text) {
  std::size_t at = 0;
  for (const char c : text) {
    if (at < query.size() && LowerAscii(c) == query[at]) ++at;
  }
  return at == query.size();
}

}  // namespace

std::string FoldQuery(std::string_view query) {
  return LowerAscii(query);
}

bool IsPrefixOf(std::string_view foldedQuery, std::string_view text) {
  if (foldedQuery.size() > text.size()) return false;
  for (std::size_t i = 0; i < foldedQuery.size(); ++i) {
    if (LowerAscii(text[i]) != foldedQuery[i]) return false;
  }
  return true;
}

// best[j]: the best score with the current query character matched at text position j; the
// previous row's best up to each position, with its gap penalty, carries the run forward.
std::optional<int> FuzzyScore(std::string_view foldedQuery, std::string_view text) {
  if (foldedQuery.empty()) return 0;
  if (!HoldsInOrder(foldedQuery, text)) return std::nullopt;
  const std::size_t n = text.size();
  std::vector<int> previous(n, kNone);
  std::vector<int> current(n, kNone);
  for (std::size_t i = 0; i < foldedQuery.size(); ++i) {
    int carried = kNone;  // the best of the previous row before j, less its gap
    int gap = 0;
    for (std::size_t j = 0; j < n; ++j) {
      current[j] = kNone;
      if (LowerAscii(text[j]) == foldedQuery[i]) {
        const int base = kMatchedCharacter + PositionBonus(text, j);
        if (i == 0) {
          current[j] = base - std::min(static_cast<int>(j) * kGapPenalty, kMaxGapPenalty);
        } else {
          const bool follows = j > 0 && previous[j - 1] != kNone;
          const int from = std::max(follows ? previous[j - 1] + kConsecutiveBonus : kNone, carried);
          if (from != kNone) current[j] = from + base;
        }
      }
      if (i > 0) {
        // Positions before j + 1 become reachable for the next column, with one more gap.
        if (previous[j] != kNone && previous[j] > carried) {
          carried = previous[j];
          gap = 0;
        } else if (carried != kNone && gap < kMaxGapPenalty) {
          carried -= kGapPenalty;
          ++gap;
        }
      }
    }
    std::swap(previous, current);
  }
  const int best = *std::max_element(previous.begin(), previous.end());
  if (best == kNone) return std::nullopt;
  return best;
}

}  // namespace qav::search
