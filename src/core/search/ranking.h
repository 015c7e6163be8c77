#pragma once
// The order in which search results are offered. A result ranks first by how its title matches
// (the title starts with the query; a word of it does; its letters appear in order; only another
// field such as a keyword matches), then by how often and how recently the user started it from
// the launcher, then by the match's score, then by title in the user's collation and finally by
// its key: the same query over the same candidates always gives the same order.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/search/usage_file.h"

namespace qav::search {

enum class Source { kRing, kGroup, kApplication, kCommand, kRecentFile };

struct Candidate {
  std::string key;                  // stable across starts: what the usage file records
  std::string title;                // shown, and matched first
  std::vector<std::string> others;  // matched too: generic name, keywords, program, target
  Source source = Source::kRing;
  std::string origin;  // where it comes from, shown greyed: a group's name, "Application", ...
  int reference = -1;  // the record number of a ring item, group member or command
  std::string target;  // else what starting it opens: a desktop entry's path, a file
  std::string icon;    // an application's icon: a theme icon name or a file; empty: none
};

enum class MatchTier { kOtherField = 0, kTitleLetters = 1, kTitleWord = 2, kTitleStart = 3 };

struct Hit {
  std::size_t candidate = 0;  // index into the candidates
  MatchTier tier = MatchTier::kOtherField;
  double frecency = 0;
  int score = 0;
};

// Negative, zero or positive as `a` sorts before, with or after `b` (a collator's compare).
using TitleOrder = std::function<int(const std::string& a, const std::string& b)>;

// The best `limit` matches of `query`, best first. `now` is in seconds since the epoch, as the
// usage file's times are.
std::vector<Hit> Rank(const std::vector<Candidate>& candidates, std::string_view query,
                      const UsageTable& usage, long long now, const TitleOrder& titleOrder,
                      std::size_t limit);

// How much a result's use counts: its count, halved for every two weeks since it was last used.
double Frecency(const Usage& use, long long now);

}  // namespace qav::search
