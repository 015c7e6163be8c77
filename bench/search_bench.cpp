// Search over 5,000 candidates per key press, beside the plain substring scan a search without
// ranking would do. The aim: results within one frame (8 ms) of a key press.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "core/search/ranking.h"

namespace qav::search {
namespace {

constexpr std::size_t kCandidates = 5000;

// Titles and keywords of the shape installed programs have: two or three words, a program name.
std::vector<Candidate> MakeCandidates() {
  static const char* kWords[] = {"Text",   "Editor",  "Image", "Viewer",   "Music",   "Player",
                                 "Office", "Writer",  "Calc",  "Terminal", "File",    "Manager",
                                 "Web",    "Browser", "Mail",  "Client",   "Video",   "Paint",
                                 "System", "Monitor", "Disk",  "Usage",    "Archive", "Settings"};
  std::mt19937 random(7);
  std::vector<Candidate> candidates;
  for (std::size_t i = 0; i < kCandidates; ++i) {
    std::string title;
    const int words = 2 + static_cast<int>(random() % 2);
    for (int w = 0; w < words; ++w) title += std::string(w ? " " : "") + kWords[random() % 24];
    title += " " + std::to_string(i);
    const std::string program = LowerAscii(std::string(kWords[random() % 24])) + std::to_string(i);
    candidates.push_back(
        {"app:" + program + ".desktop",
         title,
         {program, std::string(kWords[random() % 24]) + ";" + kWords[random() % 24]},
         Source::kApplication,
         "Application",
         -1,
         "/usr/share/applications/app" + std::to_string(i) + ".desktop",
         ""});
  }
  return candidates;
}

const char* const kQueries[] = {"t", "te", "ter", "term", "termi", "termin"};

void BM_RankPerKeyPress(benchmark::State& state) {
  const auto candidates = MakeCandidates();
  UsageTable usage;
  for (std::size_t i = 0; i < 200; ++i) RecordUse(usage, candidates[i * 7].key, 1000);
  const std::string query = kQueries[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(Rank(candidates, query, usage, 2000, {}, 36));
  }
}
BENCHMARK(BM_RankPerKeyPress)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_SubstringScan(benchmark::State& state) {
  const auto candidates = MakeCandidates();
  const std::string query = kQueries[state.range(0)];
  for (auto _ : state) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (LowerAscii(candidates[i].title).find(query) != std::string::npos) found.push_back(i);
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_SubstringScan)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qav::search
