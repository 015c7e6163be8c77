// The readers against real programs and icon files made by other projects' tools. The pixel
// fingerprints were taken from an independent decoder's output for the same images.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "formats/icons/icon_directory.h"
#include "formats/icons/icon_image.h"
#include "formats/pe/pe_resources.h"
#include "formats/pe/test_inputs.h"

namespace qav::readers {
namespace {

using test::PngSize;
using test::ReadSampleBytes;

class RealFiles : public ::testing::Test {};

// FNV-1a over the RGBA bytes, the colour of fully transparent pixels counted as black.
std::uint64_t Fingerprint(const RgbaImage& image) {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const bool hidden = i % 4 != 3 && image.pixels[i - i % 4 + 3] == 0;
    hash = (hash ^ (hidden ? 0 : image.pixels[i])) * 0x100000001b3;
  }
  return hash;
}

// Program icons have clear corners, clear and opaque pixels, and soft edges only with alpha.
void ExpectIconAlpha(const RgbaImage& image, bool hasAlphaChannel) {
  int counts[3] = {};  // clear, partial, opaque
  for (std::size_t i = 3; i < image.pixels.size(); i += 4)
    ++counts[image.pixels[i] == 0 ? 0 : image.pixels[i] == 255 ? 2 : 1];
  const std::size_t row = static_cast<std::size_t>(image.width) * 4;
  const std::size_t last = image.pixels.size() - row;
  for (std::size_t corner : {std::size_t{3}, row - 1, last + 3, image.pixels.size() - 1})
    EXPECT_EQ(image.pixels[corner], 0) << corner;
  EXPECT_TRUE(counts[0] > 0 && counts[2] > 0);
  EXPECT_EQ(counts[1] > 0, hasAlphaChannel);
}

// notepad.exe's icons by resource id: 9, 8 and 3 are 32-bit; 7, 5, 2 8-bit; 6, 4, 1 4-bit.
const std::map<std::uint16_t, std::uint64_t> kNotepadFingerprints = {
    {9, 0xbe781fd7e5a72c85}, {8, 0x7a78ca0840920b42}, {7, 0xe9e5ebfec3b28701},
    {6, 0xdc7228de68bdb54d}, {5, 0xcfc5f6ef648eccc2}, {4, 0xb563b2146a9a1081},
    {3, 0x55de6e6efa3b8d10}, {2, 0xea4b7980742d5197}, {1, 0x96750358aabe3873}};

void CheckIcon(const PeResources& resources, const IconEntry& entry, bool isNotepad) {
  SCOPED_TRACE("icon " + std::to_string(entry.id));
  const auto data = resources.Find(3, ResourceName::Id(entry.id));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->size(), entry.bytesInRes);
  const std::pair size = {PixelsOf(entry.width), PixelsOf(entry.height)};
  const auto image = DecodeIconDib(*data);
  if (StartsWithPng(*data)) {
    EXPECT_EQ(PngSize(*data), size);
    return;
  }
  ASSERT_TRUE(image);
  EXPECT_EQ(std::pair(image->width, image->height), size);
  ExpectIconAlpha(*image, entry.bitCount == 32);
  if (isNotepad) {
    EXPECT_EQ(Fingerprint(*image), kNotepadFingerprints.at(entry.id));
  }
}

TEST_F(RealFiles, EveryProgramIconGroupLeadsToDecodableIcons) {
  const std::map<std::string, std::uint16_t> groupIds = {
      {"iexplore.exe", 1}, {"msiexec.exe", 1}, {"notepad.exe", 0x300}, {"winemine.exe", 1}};
  std::set<int> sizes, depths;
  for (const auto& [file, groupId] : groupIds) {
    SCOPED_TRACE(file);
    const auto resources = PeResources::Parse(ReadSampleBytes("pe/" + file));
    ASSERT_TRUE(resources);
    ASSERT_EQ(resources->Names(14), std::vector{ResourceName::Id(groupId)});
    const auto group = resources->Find(14, ResourceName::Id(groupId));
    const auto entries = ParseIconGroup(group.value_or(std::span<const std::uint8_t>()));
    ASSERT_EQ(entries ? entries->size() : 0, 10u);
    const IconEntry& chosen = (*entries)[ChooseIconGroupEntry(*entries).value_or(0)];
    EXPECT_EQ(chosen.width, 0);
    EXPECT_EQ(chosen.bitCount, 32);
    EXPECT_TRUE(StartsWithPng(*resources->Find(3, ResourceName::Id(chosen.id))));
    for (const IconEntry& entry : *entries) {
      CheckIcon(*resources, entry, file == "notepad.exe");
      sizes.insert(PixelsOf(entry.width));
      depths.insert(entry.bitCount);
    }
  }
  EXPECT_EQ(sizes, (std::set{16, 32, 48, 256}));
  EXPECT_EQ(depths, (std::set{4, 8, 32}));
}

// idle.ico: 16, 32 and 48 pixels as 32-bit bitmaps with alpha, and 256 as PNG (0 below).
// sysinfo.ico: 32 and 16 pixels at 4 bits with an AND mask; its directory gives 0 bits.
TEST_F(RealFiles, IconFilesChooseAndDecodeTheirImages) {
  struct Expected {
    const char* file;
    std::size_t chosen;
    std::vector<std::uint64_t> fingerprints;
  };
  for (const auto& [file, chosen, fingerprints] :
       {Expected{
            "ico/idle.ico", 3, {0xabbdbeb6c4c51120, 0x97370acdec80b478, 0xa6f45773b4b3ddea, 0}},
        Expected{"ico/sysinfo.ico", 0, {0x9e83221d2dafd895, 0x74169b466e23564c}}}) {
    const auto bytes = ReadSampleBytes(file);
    const auto entries = ParseIconFile(bytes);
    ASSERT_EQ(entries ? entries->size() : 0, fingerprints.size()) << file;
    EXPECT_EQ(ChooseIconFileEntry(*entries), chosen) << file;
    for (std::size_t i = 0; i < fingerprints.size(); ++i) {
      const auto image = IconFileImage(bytes, (*entries)[i]);
      ASSERT_TRUE(image) << file << i;
      const auto decoded = DecodeIconDib(*image);
      if (fingerprints[i] == 0) {
        EXPECT_EQ(PngSize(*image), std::pair(256, 256));
        continue;
      }
      ASSERT_TRUE(decoded) << file << i;
      EXPECT_EQ(decoded->width, PixelsOf((*entries)[i].width)) << file << i;
      EXPECT_EQ(Fingerprint(*decoded), fingerprints[i]) << file << i;
    }
  }
  // cloud-favicon.ico is a bare PNG under an icon file's name.
  const auto favicon = ReadSampleBytes("ico/cloud-favicon.ico");
  EXPECT_FALSE(ParseIconFile(favicon));
  EXPECT_EQ(StartsWithPng(favicon) ? PngSize(favicon) : std::pair(0, 0), std::pair(32, 32));
}

}  // namespace
}  // namespace qav::readers
