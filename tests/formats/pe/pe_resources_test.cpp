// Walking the resource directory of hand-made PE32 and PE32+ images, including bent ones.

#include "formats/pe/pe_resources.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "formats/pe/test_inputs.h"

// Inside the test namespace, where the layout of the hand-made image is declared.
namespace qav::readers::test {
namespace {

using Bend = std::function<void(Bytes&)>;

std::string Text(std::optional<std::span<const std::uint8_t>> data) {
  return data ? std::string(data->begin(), data->end()) : "<none>";
}

// The names of type 14, then what "Main", 2 and 7 find, after bending the section and the file.
std::string Walk(
    const Bend& bendSection, std::uint16_t magic = 0x20b, const Bend& bendFile = [](Bytes&) {}) {
  auto section = ResourceSection();
  bendSection(section);
  auto file = BuildImage(magic, section);
  bendFile(file);
  const auto resources = PeResources::Parse(file);
  if (!resources) return "<not parsed>";
  std::string seen;
  for (const ResourceName& name : resources->Names(14))
    seen += (name.id ? std::to_string(*name.id) : std::string(name.name.begin(), name.name.end())) +
            ' ';
  for (const auto& name : {ResourceName::Named(u"main"), ResourceName::Id(2), ResourceName::Id(7)})
    seen += "| " + Text(resources->Find(14, name)) + ' ';
  return seen;
}

const Bend kUnbent = [](Bytes&) {};

TEST(PeResources, ListsAndFindsInBothImageWidths) {
  for (const std::uint16_t magic : {std::uint16_t{0x10b}, std::uint16_t{0x20b}}) {
    EXPECT_EQ(Walk(kUnbent, magic), "MAIN 2 7 | main | two! | 7-en ") << magic;
    const auto resources = PeResources::Parse(BuildImage(magic, ResourceSection()));
    ASSERT_TRUE(resources);
    EXPECT_EQ(resources->Types(),
              (std::vector{ResourceName::Named(u"CUSTOM"), ResourceName::Id(14)}));
    EXPECT_EQ(Text(resources->Find(14, ResourceName{std::nullopt, u"mAiN"})), "main");
    EXPECT_EQ(Text(resources->Find(14, ResourceName::Named(u"Mai"))), "<none>");
    EXPECT_EQ(Text(resources->Find(14, ResourceName::Id(5))), "<none>");
    EXPECT_EQ(Text(resources->Find(3, ResourceName::Id(2))), "<none>");
    EXPECT_TRUE(resources->Names(3).empty());
  }
}

TEST(PeResources, NamesUpperCaseLikeTheSystem) {
  EXPECT_EQ(UpperCaseResourceName(u"notepad_1.ico"), u"NOTEPAD_1.ICO");
  EXPECT_EQ(UpperCaseResourceName(u"\u00e9\u00f7\u00df\u00ff"), u"\u00c9\u00f7\u00df\u00ff");
  EXPECT_EQ(UpperCaseResourceName(u"\u03b1\u03c2\u03c3\u044f\u0451"),
            u"\u0391\u03a3\u03a3\u042f\u0401");
  EXPECT_NE(ResourceName::Named(u"1"), ResourceName::Id(1));
}

TEST(PeResources, RefusesFilesWithoutAReadableResourceDirectory) {
  const std::uint32_t directories = DataDirectories(0x20b), table = SectionTable(0x20b);
  const std::vector<std::pair<const char*, Bend>> bends = {
      {"no MZ", [](auto& f) { f[0] = 'X'; }},
      {"e_lfanew past the end", [](auto& f) { Put32(f, 0x3c, 0xFFFFFFF0); }},
      {"no PE signature", [](auto& f) { f[kPeHeader + 2] = 'X'; }},
      {"ROM image magic", [](auto& f) { Put16(f, kOptionalHeader, 0x107); }},
      {"two data directories", [=](auto& f) { Put32(f, directories - 4, 2); }},
      {"short optional header", [](auto& f) { Put16(f, kPeHeader + 20, 100); }},
      {"optional header past the end", [](auto& f) { Put16(f, kPeHeader + 20, 0xFFFF); }},
      {"no resource directory", [=](auto& f) { Put32(f, directories + 16, 0); }},
      {"resources outside all sections", [=](auto& f) { Put32(f, directories + 16, 0x9000); }},
      {"no sections", [](auto& f) { Put16(f, kPeHeader + 6, 0); }},
      {"section table past the end", [](auto& f) { Put16(f, kPeHeader + 6, 0xFFFF); }},
      {"section bytes past the end", [=](auto& f) { Put32(f, table + 20, 0x100000); }},
      {"cut inside the root", [](auto& f) { f.resize(0x400 + 15); }},
      {"a text file",
       [](auto& f) {
         f.assign({'h', 'e', 'l', 'l', 'o'});
       }},
  };
  for (const auto& [what, bend] : bends)
    EXPECT_EQ(Walk(kUnbent, 0x20b, bend), "<not parsed>") << what;
}

TEST(PeResources, LoopsAndLyingEntriesOnlyLoseWhatTheyTouch) {
  const auto target = [](std::uint32_t directory, std::uint32_t i, std::uint32_t value) {
    return [=](Bytes& s) { Put32(s, EntryAt(directory, i) + 4, value); };
  };
  // Subdirectories leading back to an ancestor, and a language entry that is a directory.
  EXPECT_EQ(Walk(target(kIconGroups, 1, kDir | kIconGroups)), "MAIN 7 | main | <none> | 7-en ");
  EXPECT_EQ(Walk(target(kRoot, 1, kDir | kRoot)), "| <none> | <none> | <none> ");
  EXPECT_EQ(Walk(target(kSevenLanguages, 0, kDir | (kDataEntries + 32))),
            "MAIN 2 7 | main | two! | <none> ");
  EXPECT_EQ(Walk(target(kIconGroups, 1, kDataEntries)), "MAIN 7 | main | <none> | 7-en ");
  // More entries than the section holds; a name string past its end.
  EXPECT_EQ(Walk([](Bytes& s) { Put16(s, kIconGroups + 14, 0xFFFF); }),
            "| <none> | <none> | <none> ");
  EXPECT_EQ(Walk([](Bytes& s) { Put32(s, EntryAt(kIconGroups, 0), 0xFFFFFFF0); }),
            "2 7 | <none> | two! | 7-en ");
  // Data outside all sections, past its section, or absurdly large.
  for (const auto& [at, value] : {std::pair{16u, 0x9000u}, {20u, 0x1000u}, {20u, 0xFFFFFFFFu}}) {
    const auto bend = [&](Bytes& s) { Put32(s, kDataEntries + at, value); };
    EXPECT_EQ(Walk(bend), "MAIN 2 7 | main | <none> | 7-en ") << at << " " << value;
  }
  // Data past the section's stored bytes is refused even where the file goes on.
  EXPECT_EQ(Walk([](Bytes& s) { Put32(s, kDataEntries + 20, 0x20); }, 0x20b,
                 [](Bytes& f) { f.resize(f.size() + 0x100, 0xAB); }),
            "MAIN 2 7 | main | <none> | 7-en ");
}

}  // namespace
}  // namespace qav::readers::test

namespace qav::readers::test {
namespace {

std::size_t ListedUnits(const std::vector<ResourceName>& names) {
  std::size_t units = 0;
  for (const ResourceName& name : names) units += name.name.size();
  return units;
}

// A 656 KB file of 65,535 entries sharing one 65,535-character name once asked for gigabytes.
// Work and memory stay bounded by what real programs need, and lookups still find what is there.
TEST(PeResources, EntriesSharingAHugeNameCostNoCopies) {
  const auto huge = PeResources::Parse(BuildImage(0x20b, SharedNameSection(65535, 65535)));
  ASSERT_TRUE(huge);
  EXPECT_EQ(Text(huge->Find(14, ResourceName::Named(u"last"))), "icon");
  EXPECT_LE(ListedUnits(huge->Names(14)), 4u);

  // Names of a plausible length are listed, but only up to a bounded total.
  const auto many = PeResources::Parse(BuildImage(0x20b, SharedNameSection(65535, 256)));
  ASSERT_TRUE(many);
  const auto names = many->Names(14);
  EXPECT_GT(names.size(), 100u);
  EXPECT_LE(ListedUnits(names), std::size_t{1} << 18);
  EXPECT_EQ(Text(many->Find(14, names[7])), "icon");
}

}  // namespace
}  // namespace qav::readers::test
