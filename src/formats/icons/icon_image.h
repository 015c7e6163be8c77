#pragma once
// One image of an icon: either a PNG (passed through untouched by the caller) or a device-
// independent bitmap with an AND mask, decoded here to straight RGBA.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qav::readers {

// Straight (non-premultiplied) RGBA, 8 bits per channel, rows top-down, width*height*4 bytes.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// True when the bytes begin with the 8-byte PNG signature.
bool StartsWithPng(std::span<const std::uint8_t> bytes);

// Decodes a BITMAPINFOHEADER icon image (height field = twice the image height; colour table for
// 1, 4 and 8 bits; XOR rows; 1-bit AND mask; rows bottom-up, padded to 4 bytes) at 1, 4, 8, 16
// (5-5-5), 24 or 32 bits per pixel.
// Alpha: a 32-bit image with any non-zero alpha keeps its alpha; every other image takes it from
// the AND mask (bit set = transparent, else opaque), and is wholly opaque when the mask is
// missing or cut short. Transparent pixels keep their decoded colour. Palette indexes past the
// colour table read as black.
// Nothing for PNG data, unsupported or lying headers (header size < 40, width or image height
// outside 1..1024, planes != 1, compression other than BI_RGB) or colour bits cut short.
std::optional<RgbaImage> DecodeIconDib(std::span<const std::uint8_t> image);

}  // namespace qav::readers
