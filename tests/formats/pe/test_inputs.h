#pragma once
// Inputs for the reader tests: icon bitmaps and a PE image laid out byte by byte (so a test knows
// where every field lies and can bend it), and the shared sample files made by other projects'
// tools.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "support/samples.h"

namespace qav::readers::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
  if (bytes.size() < at + 2) bytes.resize(at + 2);
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value & 0xFFFF);
  Put16(bytes, at + 2, value >> 16);
}

// BITMAPINFOHEADER (height field = 2 x `height`), colour table of 0xRRGGBB entries, then the XOR
// and AND bytes as given: bottom row first, each row padded by the caller.
inline Bytes BuildDib(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                      const Bytes& xorBits, const Bytes& maskBits, std::uint32_t colorsUsed = 0,
                      std::uint32_t headerSize = 40) {
  Bytes dib(headerSize, 0);
  const std::uint32_t fields[] = {headerSize, static_cast<std::uint32_t>(width),
                                  static_cast<std::uint32_t>(height * 2),
                                  1u | static_cast<std::uint32_t>(bits) << 16};
  for (std::size_t i = 0; i < 4; ++i) Put32(dib, 4 * i, fields[i]);
  Put32(dib, 32, colorsUsed);
  for (std::uint32_t rgb : palette) Put32(dib, dib.size(), rgb);  // stored blue, green, red, 0
  dib.insert(dib.end(), xorBits.begin(), xorBits.end());
  dib.insert(dib.end(), maskBits.begin(), maskBits.end());
  return dib;
}

// A PE image whose one section (RVA 0x2000, file offset 0x400) holds this resource tree:
//   "Custom" (an empty type)
//   14 -> "Main" -> "main";  2 -> "two!";  7 -> language 1033 "7-en", then 1031 "7-de"
// Offsets below are inside the section.
constexpr std::uint32_t kDir = 0x80000000u;  // marks subdirectories and string names
constexpr std::uint32_t kSectionRva = 0x2000;
constexpr std::uint32_t kRoot = 0x00, kCustomType = 0x20, kIconGroups = 0x30;
constexpr std::uint32_t kMainLanguages = 0x58, kTwoLanguages = 0x70, kSevenLanguages = 0x88;
constexpr std::uint32_t kMainName = 0xA8, kCustomName = 0xB4, kDataEntries = 0xC8;
constexpr std::uint32_t kData = 0x108, kSectionSize = 0x118;
constexpr std::uint32_t EntryAt(std::uint32_t directory, std::uint32_t i) {
  return directory + 16 + 8 * i;
}

inline Bytes ResourceSection() {
  Bytes s(kSectionSize, 0);
  using Entries = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  const auto directory = [&](std::uint32_t at, std::uint32_t named, const Entries& entries) {
    Put32(s, at + 12, named | static_cast<std::uint32_t>(entries.size() - named) << 16);
    for (std::uint32_t i = 0; i < entries.size(); ++i) {
      Put32(s, EntryAt(at, i), entries[i].first);
      Put32(s, EntryAt(at, i) + 4, entries[i].second);
    }
  };
  directory(kRoot, 1, {{kDir | kCustomName, kDir | kCustomType}, {14, kDir | kIconGroups}});
  directory(kIconGroups, 1,
            {{kDir | kMainName, kDir | kMainLanguages},
             {2, kDir | kTwoLanguages},
             {7, kDir | kSevenLanguages}});
  directory(kMainLanguages, 0, {{1033, kDataEntries}});
  directory(kTwoLanguages, 0, {{1033, kDataEntries + 16}});
  directory(kSevenLanguages, 0, {{1033, kDataEntries + 32}, {1031, kDataEntries + 48}});
  for (const auto& [at, name] : {std::pair{kMainName, u"Main"}, {kCustomName, u"Custom"}}) {
    const std::u16string_view text(name);
    Put16(s, at, static_cast<std::uint32_t>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) Put16(s, at + 2 + 2 * i, text[i]);
  }
  const std::string_view data = "maintwo!7-en7-de";  // four 4-byte resources
  for (std::uint32_t i = 0; i < 4; ++i) {
    Put32(s, kDataEntries + 16 * i, kSectionRva + kData + 4 * i);
    Put32(s, kDataEntries + 16 * i + 4, 4);
  }
  std::copy(data.begin(), data.end(), s.begin() + kData);
  return s;
}

constexpr std::uint32_t kPeHeader = 0x80, kOptionalHeader = kPeHeader + 24;
constexpr std::uint32_t DataDirectories(std::uint16_t magic) {
  return kOptionalHeader + (magic == 0x10b ? 96 : 112);
}
constexpr std::uint32_t SectionTable(std::uint16_t magic) {
  return DataDirectories(magic) + 128;
}

// Magic 0x10b makes a PE32 image, 0x20b a PE32+ one.
inline Bytes BuildImage(std::uint16_t magic, const Bytes& section) {
  Bytes image(0x400, 0);
  const auto size = static_cast<std::uint32_t>(section.size());
  const std::uint32_t table = SectionTable(magic);
  const std::pair<std::uint32_t, std::uint32_t> words[] = {
      {0, 0x5A4D},                                // "MZ"
      {0x3c, kPeHeader},                          // e_lfanew
      {kPeHeader, 0x4550},                        // "PE\0\0"
      {kPeHeader + 4, 1u << 16},                  // one section
      {kPeHeader + 20, table - kOptionalHeader},  // size of the optional header
      {kOptionalHeader, magic},
      {DataDirectories(magic) - 4, 16},  // NumberOfRvaAndSizes
      {DataDirectories(magic) + 16, kSectionRva},
      {DataDirectories(magic) + 20, size},
      {table + 8, size},
      {table + 12, kSectionRva},
      {table + 16, size},
      {table + 20, 0x400}};
  for (const auto& [at, value] : words) Put32(image, at, value);
  image.insert(image.end(), section.begin(), section.end());
  return image;
}

using qav::test::ReadSampleBytes;

// Width and height from a PNG's IHDR chunk, big-endian right after the signature.
inline std::pair<int, int> PngSize(std::span<const std::uint8_t> png) {
  if (png.size() < 24) return {0, 0};
  const auto at = [&](std::size_t i) {
    return static_cast<int>(png[i] << 24 | png[i + 1] << 16 | png[i + 2] << 8 | png[i + 3]);
  };
  return {at(16), at(20)};
}

// Icon groups (type 14) that all share one string name of `nameLength` characters, each leading
// to the same language directory and data; the last entry alone is called "LAST".
inline Bytes SharedNameSection(std::uint32_t entries, std::uint16_t nameLength) {
  constexpr std::uint32_t kGroups = 0x20;
  const std::uint32_t languages = kGroups + 16 + 8 * entries;
  const std::uint32_t dataEntry = languages + 24;
  const std::uint32_t data = dataEntry + 16;
  const std::uint32_t lastName = data + 4;
  const std::uint32_t sharedName = lastName + 12;
  Bytes s(sharedName + 2 + 2u * nameLength, 'a');
  std::fill(s.begin(), s.begin() + sharedName, 0);
  Put32(s, 12, 1u << 16);
  Put32(s, EntryAt(0, 0), 14);
  Put32(s, EntryAt(0, 0) + 4, kDir | kGroups);
  Put32(s, kGroups + 12, entries);
  for (std::uint32_t i = 0; i < entries; ++i) {
    Put32(s, EntryAt(kGroups, i), kDir | (i + 1 == entries ? lastName : sharedName));
    Put32(s, EntryAt(kGroups, i) + 4, kDir | languages);
  }
  Put32(s, languages + 12, 1u << 16);
  Put32(s, EntryAt(languages, 0), 1033);
  Put32(s, EntryAt(languages, 0) + 4, dataEntry);
  Put32(s, dataEntry, kSectionRva + data);
  Put32(s, dataEntry + 4, 4);
  for (std::uint32_t i = 0; i < 4; ++i) s[data + i] = static_cast<std::uint8_t>("icon"[i]);
  Put16(s, lastName, 4);
  for (std::uint32_t i = 0; i < 4; ++i) Put16(s, lastName + 2 + 2 * i, "LAST"[i]);
  Put16(s, sharedName, nameLength);
  return s;
}

}  // namespace qav::readers::test
