// Finding things by typing: which texts match, in which order results come, and the two small
// files search reads (its own usage file and the desktop's recent files).

#include <gtest/gtest.h>

#include "core/search/fuzzy_match.h"
#include "core/search/ranking.h"
#include "core/search/recent_files.h"
#include "core/search/usage_file.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav::search {
namespace {

int Score(std::string_view query, std::string_view text) {
  return FuzzyScore(FoldQuery(query), text).value_or(-1000);
}

TEST(FuzzyMatch, PrefixesAndWordStartsBeatScatteredLetters) {
  EXPECT_FALSE(FuzzyScore("xz", "Firefox"));
  EXPECT_FALSE(FuzzyScore("fir", "Fri"));
  EXPECT_TRUE(FuzzyScore("fox", "Firefox"));
  EXPECT_EQ(FuzzyScore("", "anything"), 0);
  // Case does not matter; order of the letters does.
  EXPECT_EQ(Score("FIRE", "Firefox"), Score("fire", "firefox"));
  EXPECT_GT(Score("fire", "Firefox"), Score("fire", "Campfire"));
  EXPECT_GT(Score("tb", "Thunder Bird"), Score("tb", "Tabby"));
  EXPECT_GT(Score("lo", "LibreOffice"), Score("lo", "Galore"));
  EXPECT_GT(Score("term", "Terminal"), Score("term", "xterm-emulator"));
  // A run of letters counts more than the same letters apart.
  EXPECT_GT(Score("edit", "Text Editor"), Score("edit", "Evince Document Integration Tool"));
}

struct RankFixture : ::testing::Test {
  Candidate Make(std::string key, std::string title, std::vector<std::string> others = {}) {
    return {
        std::move(key), std::move(title), std::move(others), Source::kApplication, "", 0, "", ""};
  }
  std::vector<std::string> Titles(std::string_view query, std::size_t limit = 10) {
    std::vector<std::string> titles;
    for (const Hit& hit : Rank(candidates, query, usage, now, {}, limit)) {
      titles.push_back(candidates[hit.candidate].title);
    }
    return titles;
  }
  std::vector<Candidate> candidates;
  UsageTable usage;
  long long now = 2'000'000'000;
};

TEST_F(RankFixture, TitleStartThenWordThenLettersThenOtherFields) {
  candidates = {Make("a", "Paint Shop", {"image editor"}), Make("b", "Image Viewer"),
                Make("c", "Imaginary"), Make("d", "Sim City"), Make("e", "Drawing", {"images"})};
  EXPECT_EQ(Titles("ima"),
            (std::vector<std::string>{"Image Viewer", "Imaginary", "Drawing", "Paint Shop"}));
  EXPECT_EQ(Titles("im"), (std::vector<std::string>{"Image Viewer", "Imaginary", "Sim City",
                                                    "Drawing", "Paint Shop"}));
  EXPECT_EQ(Titles("im", 2).size(), 2u);
  EXPECT_TRUE(Titles("qqq").empty());
}

TEST_F(RankFixture, UseDecidesWithinATierAndTiesGoByTitleThenKey) {
  candidates = {Make("app:b", "Terminal B"), Make("app:a", "Terminal A"),
                Make("app:c", "Terminal A")};
  EXPECT_EQ(Titles("term"), (std::vector<std::string>{"Terminal A", "Terminal A", "Terminal B"}));
  EXPECT_EQ(candidates[Rank(candidates, "term", usage, now, {}, 1)[0].candidate].key, "app:a");
  RecordUse(usage, "app:b", now - 3600);
  EXPECT_EQ(Titles("term")[0], "Terminal B");
  // Recent use outweighs old use of the same count.
  RecordUse(usage, "app:c", now - 200 * 24 * 3600);
  RecordUse(usage, "app:c", now - 200 * 24 * 3600);
  EXPECT_EQ(Titles("term")[0], "Terminal B");
  // A collator decides the order of titles when one is given.
  usage.clear();
  const TitleOrder reversed = [](const std::string& x, const std::string& y) {
    return y.compare(x);
  };
  const auto hits = Rank(candidates, "term", usage, now, reversed, 10);
  EXPECT_EQ(candidates[hits[0].candidate].title, "Terminal B");
}

TEST(UsageFile, RoundTripsAndIgnoresWhatItCannotTrust) {
  UsageTable table;
  RecordUse(table, "app:firefox.desktop", 100);
  RecordUse(table, "app:firefox.desktop", 200);
  RecordUse(table, "file:/home/ann/tab\there.txt", 150);
  RecordUse(table, "bad\nkey", 150);  // never written
  const std::string text = EncodeUsage(table);
  EXPECT_EQ(text,
            "QAV Launcher search usage 1\n2\t200\tapp:firefox.desktop\n"
            "1\t150\tfile:/home/ann/tab\there.txt\n");
  const auto back = ParseUsage(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->at("app:firefox.desktop").count, 2);
  EXPECT_EQ(back->at("file:/home/ann/tab\there.txt").lastUsed, 150);
  // A write cut short, another file's first line, or nothing at all: ignored, never fatal.
  EXPECT_FALSE(ParseUsage(text.substr(0, text.size() - 3)));
  EXPECT_FALSE(ParseUsage("QAV Launcher search usage 2\n1\t1\tx\n"));
  EXPECT_FALSE(ParseUsage(""));
  // Lines that cannot be read are skipped, the rest kept.
  const auto mixed =
      ParseUsage("QAV Launcher search usage 1\nx\t1\ta\n-1\t1\tb\n1\t1\t\n3\t9\tc\n");
  ASSERT_TRUE(mixed);
  EXPECT_EQ(mixed->size(), 1u);
  EXPECT_EQ(mixed->at("c").count, 3);
}

TEST(UsageFile, KeepsTheMostUsedWithinItsCapAndSurvivesOnDisk) {
  UsageTable table;
  for (std::size_t i = 0; i < kMaxUsageEntries + 5; ++i) {
    RecordUse(table, "k" + std::to_string(i), static_cast<long long>(1000 + i));
  }
  EXPECT_EQ(table.size(), kMaxUsageEntries);
  EXPECT_EQ(table.count("k0"), 0u);  // the oldest went
  EXPECT_EQ(table.count("k1004"), 1u);

  test::TempDir dir;
  test::RealFiles files;
  const std::string path = dir / "usage";
  EXPECT_TRUE(LoadUsage(path).empty());
  ASSERT_TRUE(SaveUsage(files, path, table));
  EXPECT_EQ(LoadUsage(path).size(), kMaxUsageEntries);
  test::WriteText(path, "QAV Launcher search usage 1\n1\t1\tcut");
  EXPECT_TRUE(LoadUsage(path).empty());
  // The state folder is made when it is missing; a file where it should be is a failure.
  EXPECT_TRUE(SaveUsage(files, dir / "state/qav-launcher/usage", table));
  EXPECT_EQ(LoadUsage(dir / "state/qav-launcher/usage").size(), kMaxUsageEntries);
  test::WriteText(dir / "taken", "");
  const std::string blocked = dir / "taken/usage";
  EXPECT_EQ(SaveUsage(files, blocked, table).Error(), "cannot write " + blocked);
}

TEST(RecentFiles, LocalBookmarksNewestFirst) {
  const std::string xbel = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0" xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks">
  <bookmark href="file:///home/ann/Old%20Notes.txt" added="2026-01-01T10:00:00Z"
            modified="2026-01-02T10:00:00Z" visited="2026-01-02T10:00:00Z">
    <info><metadata owner="http://freedesktop.org"><mime:mime-type type="text/plain"/></metadata></info>
  </bookmark>
  <bookmark href="https://example.org/page" modified="2026-12-01T10:00:00Z"/>
  <bookmark href="file://otherhost/share/x.txt" modified="2026-12-01T10:00:00Z"/>
  <bookmark href="file:///home/ann/Tom%26Jerry%20%E2%9C%93.odt" modified="2026-12-05T08:00:00Z"/>
  <bookmark href='file:///home/ann/a&amp;b.png' visited="2026-06-01T00:00:00Z"/>
  <bookmark href="file:///home/ann/bad%zz.txt" modified="2026-12-06T00:00:00Z"/>
  <bookmark href="file:///home/ann/nul%00.txt" modified="2026-12-06T00:00:00Z"/>
  <bookmarkx href="file:///not/a/bookmark"/>
</xbel>)";
  const auto files = ParseRecentFiles(xbel, 10);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0].path, "/home/ann/Tom&Jerry \u2713.odt");
  EXPECT_EQ(files[1].path, "/home/ann/a&b.png");
  EXPECT_EQ(files[2].path, "/home/ann/Old Notes.txt");
  EXPECT_EQ(ParseRecentFiles(xbel, 1).size(), 1u);
  EXPECT_EQ(RecentFileTitle(files[2].path), "Old Notes.txt");
  EXPECT_TRUE(ParseRecentFiles("<bookmark href=\"file:///cut", 10).empty());
}

}  // namespace
}  // namespace qav::search
