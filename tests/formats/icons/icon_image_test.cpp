// Decoding hand-made icon bitmaps of every supported depth to exact RGBA pixels.

#include "formats/icons/icon_image.h"

#include <gtest/gtest.h>

#include <array>

#include "formats/pe/test_inputs.h"

namespace qav::readers {
namespace {

using test::BuildDib;
using Rgba = std::array<std::uint8_t, 4>;
using Pixels = std::vector<Rgba>;
constexpr std::uint8_t J = 0xEE;  // padding and unused bits, which must never show

// Every pixel, top row first; empty when nothing decodes.
Pixels Decoded(std::span<const std::uint8_t> dib) {
  const auto image = DecodeIconDib(dib);
  Pixels pixels;
  for (std::size_t i = 0; image && i < image->pixels.size(); i += 4)
    pixels.push_back(
        {image->pixels[i], image->pixels[i + 1], image->pixels[i + 2], image->pixels[i + 3]});
  return pixels;
}

constexpr Rgba kBlack = {0, 0, 0, 255}, kWhite = {255, 255, 255, 255};
constexpr Rgba kClearBlack = {0, 0, 0, 0}, kClearWhite = {255, 255, 255, 0};

// 3x2 at 1 bit: each row is 1 byte of pixels (bits past the third set) and 3 of padding.
// XOR bottom 1 0 1, top 0 1 1; AND bottom 0 0 1, top 1 0 0.
test::Bytes OneBitDib(std::uint32_t headerSize = 40) {
  return BuildDib(3, 2, 1, {0x000000, 0xFFFFFF}, {0xBF, J, J, J, 0x7F, J, J, J},
                  {0x3F, J, J, J, 0x9F, J, J, J}, 0, headerSize);
}

TEST(IconDib, RowsAreReadBottomUpPastTheirPadding) {
  const Pixels expected = {kClearBlack, kWhite, kWhite, kWhite, kBlack, kClearWhite};
  EXPECT_EQ(Decoded(OneBitDib()), expected);
  EXPECT_EQ(Decoded(OneBitDib(108)), expected);  // a longer header pushes the table back
  EXPECT_EQ(DecodeIconDib(OneBitDib())->width, 3);
}

TEST(IconDib, ColourTablesHonourTheirUsedCount) {
  // 4 bits, 3 colours used: pixels 2, 0 and 3, the last just past the table (black).
  EXPECT_EQ(Decoded(BuildDib(3, 1, 4, {0xFF0000, 0x00FF00, 0x0000FF}, {0x20, 0x3F, J, J},
                             {0x1F, 0, 0, 0}, 3)),
            (Pixels{{0, 0, 255, 255}, {255, 0, 0, 255}, kBlack}));
  std::vector<std::uint32_t> palette;  // entry i is (i, 255 - i, 0x40)
  for (std::uint32_t i = 0; i < 256; ++i) palette.push_back(i << 16 | (255 - i) << 8 | 0x40);
  EXPECT_EQ(Decoded(BuildDib(3, 2, 8, palette, {5, 200, 255, J, 0, 1, 2, J},
                             {0x40, 0, 0, 0, 0, 0, 0, 0})),
            (Pixels{{0, 255, 64, 255},
                    {1, 254, 64, 255},
                    {2, 253, 64, 255},
                    {5, 250, 64, 255},
                    {200, 55, 64, 0},
                    {255, 0, 64, 255}}));
}

TEST(IconDib, DirectColoursAreStoredBlueFirst) {
  // 16 bits, 5-5-5: pure red, and grey with 16 of 31 in each channel.
  EXPECT_EQ(Decoded(BuildDib(2, 1, 16, {}, {0x00, 0x7C, 0x10, 0x42}, {0x40, 0, 0, 0})),
            (Pixels{{255, 0, 0, 255}, {132, 132, 132, 0}}));
  // 24 bits, 2x2: 6 bytes of pixels and 2 of padding per row.
  EXPECT_EQ(Decoded(BuildDib(2, 2, 24, {}, {1, 2, 3, 4, 5, 6, J, J, 7, 8, 9, 10, 11, 12, J, J},
                             {0, 0, 0, 0, 0x40, 0, 0, 0})),
            (Pixels{{9, 8, 7, 255}, {12, 11, 10, 0}, {3, 2, 1, 255}, {6, 5, 4, 255}}));
}

TEST(IconDib, ThirtyTwoBitAlphaReplacesTheMaskOnlyWhenPresent) {
  test::Bytes bits = {10, 20, 30, 0, 40, 50, 60, 128};
  EXPECT_EQ(Decoded(BuildDib(2, 1, 32, {}, bits, {0x40, 0, 0, 0})),
            (Pixels{{30, 20, 10, 0}, {60, 50, 40, 128}}));  // straight, not premultiplied
  bits[7] = 0;
  EXPECT_EQ(Decoded(BuildDib(2, 1, 32, {}, bits, {0x40, 0, 0, 0})),
            (Pixels{{30, 20, 10, 255}, {60, 50, 40, 0}}));
}

TEST(IconDib, MissingOrShortMaskLeavesEverythingOpaque) {
  const auto dib = OneBitDib();
  const Pixels opaque = {kBlack, kWhite, kWhite, kWhite, kBlack, kWhite};
  EXPECT_EQ(Decoded(std::span(dib).first(dib.size() - 1)), opaque);
  EXPECT_EQ(Decoded(std::span(dib).first(dib.size() - 8)), opaque);
}

TEST(IconDib, RefusesWhatItCannotDecode) {
  const auto bent = [](std::size_t at, std::uint32_t value, bool wide) {
    auto dib = OneBitDib();
    wide ? test::Put32(dib, at, value) : test::Put16(dib, at, value);
    return DecodeIconDib(dib).has_value();
  };
  EXPECT_FALSE(bent(0, 12, true));          // BITMAPCOREHEADER
  EXPECT_FALSE(bent(4, 0, true));           // no width
  EXPECT_FALSE(bent(4, 0xFFFFFFFD, true));  // negative width
  EXPECT_FALSE(bent(8, 1, true));           // picture height 0
  EXPECT_FALSE(bent(8, 0xFFFFFFFC, true));  // top-down rows
  EXPECT_FALSE(bent(8, 2050, true));        // picture height 1025
  EXPECT_FALSE(bent(12, 2, false));         // planes
  EXPECT_FALSE(bent(14, 2, false));         // bit count
  EXPECT_FALSE(bent(16, 3, true));          // BI_BITFIELDS
  const auto dib = OneBitDib();
  EXPECT_FALSE(DecodeIconDib(std::span(dib).first(40 + 8 + 7)));  // XOR bits cut short
  EXPECT_FALSE(DecodeIconDib(std::span(dib).first(39)));
  const test::Bytes row(132, 0xFF);
  EXPECT_EQ(DecodeIconDib(BuildDib(1024, 1, 1, {0, 0xFFFFFF}, row, {}))->width, 1024);
  EXPECT_FALSE(DecodeIconDib(BuildDib(1025, 1, 1, {0, 0xFFFFFF}, row, {})));
}

TEST(PngSignature, NeedsAllEightBytes) {
  const std::vector<std::uint8_t> png = {137, 80, 78, 71, 13, 10, 26, 10, 0, 0, 0, 13};
  EXPECT_TRUE(StartsWithPng(png));
  EXPECT_FALSE(StartsWithPng(std::span(png).first(7)));
  auto converted = png;
  converted[4] = 10;  // line ends converted by a text transfer
  EXPECT_FALSE(StartsWithPng(converted));
  EXPECT_FALSE(DecodeIconDib(png));  // passed through by the caller, never decoded here
}

}  // namespace
}  // namespace qav::readers
