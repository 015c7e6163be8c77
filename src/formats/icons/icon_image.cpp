#include "formats/icons/icon_image.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "base/byte_view.h"

namespace qav::readers {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr std::uint64_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr int kMaxSide = 1024;

using Rgba = std::array<std::uint8_t, 4>;

// Where each part of the bitmap lies, in bytes from its start.
struct DibLayout {
  int width = 0;
  int height = 0;  // of the picture: half the header's height field
  int bitCount = 0;
  std::uint64_t paletteOffset = 0;
  std::uint64_t paletteCount = 0;
  std::uint64_t xorOffset = 0;
  std::uint64_t xorStride = 0;
  std::uint64_t maskOffset = 0;
  std::uint64_t maskStride = 0;
};

bool SupportedBitCount(int bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == 32;
}

bool ValidSide(int pixels) {
  return pixels > 0 && pixels <= kMaxSide;
}

std::uint64_t RowStride(int width, int bitCount) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

std::uint64_t PaletteCount(int bitCount, std::uint32_t colorsUsed) {
  if (bitCount > 8) return 0;
  const std::uint64_t full = std::uint64_t{1} << bitCount;
  return colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
}

std::optional<DibLayout> ReadLayout(const ByteView& dib) {
  if (!dib.Contains(0, kInfoHeaderSize)) return std::nullopt;
  const std::uint32_t headerSize = dib.U32(0);
  DibLayout layout;
  layout.width = dib.I32(4);
  layout.height = dib.I32(8) / 2;
  layout.bitCount = dib.U16(14);
  if (headerSize < kInfoHeaderSize || !ValidSide(layout.width) || !ValidSide(layout.height) ||
      dib.U16(12) != 1 || !SupportedBitCount(layout.bitCount) || dib.U32(16) != kBiRgb) {
    return std::nullopt;
  }
  const auto rows = static_cast<std::uint64_t>(layout.height);
  layout.paletteOffset = headerSize;
  layout.paletteCount = PaletteCount(layout.bitCount, dib.U32(32));
  layout.xorOffset = layout.paletteOffset + layout.paletteCount * 4;
  layout.xorStride = RowStride(layout.width, layout.bitCount);
  layout.maskOffset = layout.xorOffset + layout.xorStride * rows;
  layout.maskStride = RowStride(layout.width, 1);
  if (!dib.Contains(layout.xorOffset, layout.xorStride * rows)) return std::nullopt;
  return layout;
}

// Row `y` counted from the top of the picture; the file stores the bottom row first.
std::uint64_t RowOffset(std::uint64_t partOffset, std::uint64_t stride, int height, int y) {
  return partOffset + stride * static_cast<std::uint64_t>(height - 1 - y);
}

// Colour-table entries are stored blue, green, red, reserved.
Rgba PaletteColour(const ByteView& dib, const DibLayout& layout, unsigned index) {
  if (index >= layout.paletteCount) return {0, 0, 0, 255};
  const std::uint64_t at = layout.paletteOffset + index * std::uint64_t{4};
  return {dib.U8(at + 2), dib.U8(at + 1), dib.U8(at), 255};
}

// Palette index of pixel x in a 1-, 4- or 8-bit row; the leftmost pixel is in the high bits.
unsigned PackedIndex(const ByteView& dib, std::uint64_t row, int x, int bitCount) {
  const auto bit = static_cast<std::uint64_t>(x) * static_cast<std::uint64_t>(bitCount);
  const auto shift = static_cast<unsigned>(8 - bitCount - static_cast<int>(bit % 8));
  const unsigned mask = (1u << bitCount) - 1;
  return (static_cast<unsigned>(dib.U8(row + bit / 8)) >> shift) & mask;
}

std::uint8_t Expand5(unsigned value) {
  return static_cast<std::uint8_t>((value << 3) | (value >> 2));
}

Rgba Colour555(const ByteView& dib, std::uint64_t at) {
  const unsigned value = dib.U16(at);
  return {Expand5((value >> 10) & 31), Expand5((value >> 5) & 31), Expand5(value & 31), 255};
}

Rgba PixelAt(const ByteView& dib, const DibLayout& layout, std::uint64_t row, int x) {
  const auto column = static_cast<std::uint64_t>(x);
  switch (layout.bitCount) {
    case 16:
      return Colour555(dib, row + column * 2);
    case 24:
      return {dib.U8(row + column * 3 + 2), dib.U8(row + column * 3 + 1), dib.U8(row + column * 3),
              255};
    case 32:
      return {dib.U8(row + column * 4 + 2), dib.U8(row + column * 4 + 1), dib.U8(row + column * 4),
              dib.U8(row + column * 4 + 3)};
    default:
      return PaletteColour(dib, layout, PackedIndex(dib, row, x, layout.bitCount));
  }
}

std::size_t PixelIndex(const RgbaImage& image, int x, int y) {
  return (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
          static_cast<std::size_t>(x)) *
         4;
}

void DecodeColours(const ByteView& dib, const DibLayout& layout, RgbaImage& image) {
  for (int y = 0; y < layout.height; ++y) {
    const std::uint64_t row = RowOffset(layout.xorOffset, layout.xorStride, layout.height, y);
    for (int x = 0; x < layout.width; ++x) {
      const Rgba colour = PixelAt(dib, layout, row, x);
      std::copy(colour.begin(), colour.end(), image.pixels.begin() + PixelIndex(image, x, y));
    }
  }
}

bool AnyAlpha(const RgbaImage& image) {
  for (std::size_t i = 3; i < image.pixels.size(); i += 4) {
    if (image.pixels[i] != 0) return true;
  }
  return false;
}

void ApplyMask(const ByteView& dib, const DibLayout& layout, RgbaImage& image) {
  const bool present = dib.Contains(layout.maskOffset,
                                    layout.maskStride * static_cast<std::uint64_t>(layout.height));
  for (int y = 0; y < layout.height; ++y) {
    const std::uint64_t row = RowOffset(layout.maskOffset, layout.maskStride, layout.height, y);
    for (int x = 0; x < layout.width; ++x) {
      const bool transparent = present && PackedIndex(dib, row, x, 1) != 0;
      image.pixels[PixelIndex(image, x, y) + 3] = transparent ? 0 : 255;
    }
  }
}

}  // namespace

bool StartsWithPng(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin());
}

std::optional<RgbaImage> DecodeIconDib(std::span<const std::uint8_t> image) {
  if (StartsWithPng(image)) return std::nullopt;
  const ByteView dib(image);
  const std::optional<DibLayout> layout = ReadLayout(dib);
  if (!layout) return std::nullopt;
  RgbaImage result;
  result.width = layout->width;
  result.height = layout->height;
  result.pixels.resize(static_cast<std::size_t>(result.width) *
                       static_cast<std::size_t>(result.height) * 4);
  DecodeColours(dib, *layout, result);
  if (layout->bitCount != 32 || !AnyAlpha(result)) ApplyMask(dib, *layout, result);
  return result;
}

}  // namespace qav::readers
