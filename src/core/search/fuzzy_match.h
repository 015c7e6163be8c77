#pragma once
// How well a typed query matches a text: every character of the query must appear in the text in
// order; matches at the start of the text and of its words, and runs of consecutive characters,
// count most. Letters compare without regard to ASCII case; other characters exactly.

#include <optional>
#include <string>
#include <string_view>

namespace qav::search {

// What the scores are made of, so that callers and tests can reason about their scale.
inline constexpr int kMatchedCharacter = 16;
inline constexpr int kWordStartBonus = 24;
inline constexpr int kTextStartBonus = 32;
inline constexpr int kConsecutiveBonus = 24;
inline constexpr int kGapPenalty = 1;
inline constexpr int kMaxGapPenalty = 12;

// The query as the matcher compares it: ASCII letters lowered.
std::string FoldQuery(std::string_view query);

// The best score of `foldedQuery` (from FoldQuery) against `text`; nothing when it does not match.
// An empty query matches everything with 0.
std::optional<int> FuzzyScore(std::string_view foldedQuery, std::string_view text);

// Whether `foldedQuery` is a prefix of `text`, ignoring ASCII case.
bool IsPrefixOf(std::string_view foldedQuery, std::string_view text);

}  // namespace qav::search
