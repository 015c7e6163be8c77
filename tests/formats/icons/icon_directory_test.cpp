// Reading the entry lists of icon files and icon groups, and picking the image to show.

#include "formats/icons/icon_directory.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qav::readers {
namespace {

IconEntry Entry(std::uint8_t width, std::uint16_t bitCount) {
  IconEntry entry;
  entry.width = entry.height = width;
  entry.bitCount = bitCount;
  return entry;
}

TEST(IconFileChoice, BitCountFirstThenWidthWithTheLastOfEqualsWinning) {
  EXPECT_EQ(ChooseIconFileEntry({Entry(32, 32), Entry(48, 8)}), 0u);
  EXPECT_EQ(ChooseIconFileEntry({Entry(32, 8), Entry(48, 8), Entry(16, 8)}), 1u);
  EXPECT_EQ(ChooseIconFileEntry({Entry(32, 8), Entry(32, 8), Entry(32, 8)}), 2u);
  EXPECT_EQ(ChooseIconFileEntry({Entry(32, 0), Entry(16, 0)}), 0u);  // old files write 0 bits
  EXPECT_EQ(ChooseIconFileEntry({}), std::nullopt);
  // A 256-pixel 32-bit entry ends the scan; one of fewer bits is an ordinary candidate.
  EXPECT_EQ(ChooseIconFileEntry({Entry(48, 32), Entry(0, 32), Entry(64, 32)}), 1u);
  EXPECT_EQ(ChooseIconFileEntry({Entry(0, 8), Entry(16, 32)}), 1u);
}

TEST(IconGroupChoice, WidthFirstThenBitCountSkippingOddDepths) {
  EXPECT_EQ(ChooseIconGroupEntry({Entry(48, 8), Entry(32, 32)}), 0u);
  EXPECT_EQ(ChooseIconGroupEntry({Entry(32, 32), Entry(255, 4), Entry(0, 4)}), 2u);
  EXPECT_EQ(ChooseIconGroupEntry({Entry(32, 8), Entry(32, 32), Entry(32, 4)}), 1u);
  EXPECT_EQ(ChooseIconGroupEntry({Entry(32, 8), Entry(32, 8)}), 0u);
  EXPECT_EQ(ChooseIconGroupEntry({Entry(0, 0), Entry(0, 64), Entry(16, 1)}), 2u);
  EXPECT_EQ(ChooseIconGroupEntry({Entry(0, 0), Entry(0, 33)}), std::nullopt);
}

TEST(IconFileParsing, ReadsEntriesAndRefusesLyingHeaders) {
  // reserved 0, type 1, count 1; 32x32, 16 colours, 1 plane, 4 bits, 744 bytes at 22
  const std::vector<std::uint8_t> file = {0, 0, 1, 0,    1, 0, 32, 32, 16, 0, 1,
                                          0, 4, 0, 0xE8, 2, 0, 0,  22, 0,  0, 0};
  const auto entries = ParseIconFile(file);
  ASSERT_EQ(entries ? entries->size() : 0, 1u);
  const IconEntry& e = (*entries)[0];
  EXPECT_EQ(std::tuple(e.width, e.height, e.colorCount, e.planes, e.bitCount),
            std::tuple(32, 32, 16, 1, 4));
  EXPECT_EQ(std::tuple(e.bytesInRes, e.imageOffset), std::tuple(744u, 22u));
  for (const auto& [at, value] : {std::pair{2, 2}, {4, 2}}) {  // a cursor; a second entry
    auto bent = file;
    bent[at] = static_cast<std::uint8_t>(value);
    EXPECT_FALSE(ParseIconFile(bent)) << at;
  }
  EXPECT_FALSE(ParseIconFile(std::span(file).first(21)));
  EXPECT_FALSE(ParseIconFile(std::span(file).first(5)));
}

TEST(IconFileParsing, ImageBytesMustLieInsideTheFile) {
  const std::vector<std::uint8_t> file(100, 7);
  const auto image = [&](std::uint32_t offset, std::uint32_t size) {
    IconEntry entry;
    entry.imageOffset = offset;
    entry.bytesInRes = size;
    return IconFileImage(file, entry);
  };
  ASSERT_TRUE(image(90, 10));
  EXPECT_EQ(image(90, 10)->data(), file.data() + 90);
  EXPECT_EQ(image(90, 10)->size(), 10u);
  EXPECT_FALSE(image(90, 11));
  EXPECT_FALSE(image(0xFFFFFFF0, 0x20));  // offset + size wraps around 32 bits
  EXPECT_FALSE(image(0, 0));
}

TEST(IconGroupParsing, CountsEntriesBySizeAndReadsIds) {
  // The header claims 5 entries; 2 whole ones and a stray byte follow.
  const std::vector<std::uint8_t> group = {0, 0, 1,    0,    5,    0, 48, 48, 0,    0, 1, 0,
                                           8, 0, 0xA8, 0x0E, 0,    0, 7,  0,  0,    0, 0, 0,
                                           1, 0, 32,   0,    0x10, 0, 0,  0,  0x2C, 1, 9};
  const auto entries = ParseIconGroup(group);
  ASSERT_EQ(entries ? entries->size() : 0, 2u);
  const IconEntry& e = (*entries)[0];
  EXPECT_EQ(std::tuple(e.width, e.bitCount, e.bytesInRes, e.id), std::tuple(48, 8, 3752u, 7));
  EXPECT_EQ((*entries)[1].id, 300);
  EXPECT_FALSE(ParseIconGroup(std::span(group).first(19)));
  EXPECT_EQ(ParseIconGroup(std::span(group).first(20))->size(), 1u);
}

}  // namespace
}  // namespace qav::readers
