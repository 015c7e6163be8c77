#include "core/search/ranking.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/search/fuzzy_match.h"

namespace qav::search {
namespace {

constexpr double kHalfLifeSeconds = 14.0 * 24 * 3600;

bool AWordStartsWith(std::string_view foldedQuery, std::string_view title) {
  for (std::size_t at = 0; at < title.size(); ++at) {
    const bool wordStart = at == 0 || title[at - 1] == ' ' || title[at - 1] == '-' ||
                           title[at - 1] == '_' || title[at - 1] == '.' || title[at - 1] == '/';
    if (wordStart && IsPrefixOf(foldedQuery, title.substr(at))) return true;
  }
  return false;
}

std::optional<Hit> Match(const Candidate& candidate, std::string_view folded) {
  Hit hit;
  if (const auto score = FuzzyScore(folded, candidate.title)) {
    hit.score = *score;
    hit.tier = IsPrefixOf(folded, candidate.title)        ? MatchTier::kTitleStart
               : AWordStartsWith(folded, candidate.title) ? MatchTier::kTitleWord
                                                          : MatchTier::kTitleLetters;
    return hit;
  }
  std::optional<int> best;
  for (const std::string& other : candidate.others) {
    const auto score = FuzzyScore(folded, other);
    if (score && (!best || *score > *best)) best = score;
  }
  if (!best) return std::nullopt;
  hit.score = *best;
  return hit;
}

}  // namespace

double Frecency(const Usage& use, long long now) {
  const double age = static_cast<double>(std::max(0LL, now - use.lastUsed));
  return static_cast<double>(use.count) * std::exp2(-age / kHalfLifeSeconds);
}

std::vector<Hit> Rank(const std::vector<Candidate>& candidates, std::string_view query,
                      const UsageTable& usage, long long now, const TitleOrder& titleOrder,
                      std::size_t limit) {
  const std::string folded = FoldQuery(query);
  std::vector<Hit> hits;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    auto hit = Match(candidates[i], folded);
    if (!hit) continue;
    hit->candidate = i;
    const auto use = usage.find(candidates[i].key);
    if (use != usage.end()) hit->frecency = Frecency(use->second, now);
    hits.push_back(*hit);
  }
  const auto better = [&](const Hit& a, const Hit& b) {
    if (a.tier != b.tier) return a.tier > b.tier;
    if (a.frecency != b.frecency) return a.frecency > b.frecency;
    if (a.score != b.score) return a.score > b.score;
    const Candidate& x = candidates[a.candidate];
    const Candidate& y = candidates[b.candidate];
    const int byTitle = titleOrder ? titleOrder(x.title, y.title) : x.title.compare(y.title);
    if (byTitle != 0) return byTitle < 0;
    if (x.key != y.key) return x.key < y.key;
    return a.candidate < b.candidate;
  };
  const std::size_t kept = std::min(limit, hits.size());
  std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(kept), hits.end(),
                    better);
  hits.resize(kept);
  return hits;
}

}  // namespace qav::search
