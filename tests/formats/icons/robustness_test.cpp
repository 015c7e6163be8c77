// Cut, bit-flipped, overwritten and random programs, icon files and bitmaps run through every
// reader. Nothing may crash or read out of bounds (the suite also runs under AddressSanitizer and
// UndefinedBehaviorSanitizer), and whatever decodes must be a well-formed picture.

#include <gtest/gtest.h>

#include <random>

#include "formats/icons/icon_directory.h"
#include "formats/icons/icon_image.h"
#include "formats/pe/pe_resources.h"
#include "formats/pe/test_inputs.h"

namespace qav::readers {
namespace {

using test::Bytes;

void Decode(std::span<const std::uint8_t> bytes) {
  const auto image = DecodeIconDib(bytes);
  if (!image) return;
  ASSERT_TRUE(image->width >= 1 && image->width <= 1024 && image->height >= 1 &&
              image->height <= 1024);
  ASSERT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height * 4);
}

void RunEveryReader(const Bytes& bytes) {
  if (const auto resources = PeResources::Parse(bytes)) {
    resources->Types();
    for (const ResourceName& name : resources->Names(14)) {
      const auto group = resources->Find(14, name);
      const auto entries = group ? ParseIconGroup(*group) : std::nullopt;
      for (const IconEntry& entry : entries.value_or(std::vector<IconEntry>())) {
        if (const auto icon = resources->Find(3, ResourceName::Id(entry.id))) Decode(*icon);
      }
    }
  }
  if (const auto entries = ParseIconFile(bytes)) {
    ChooseIconFileEntry(*entries);
    for (const IconEntry& entry : *entries) {
      if (const auto image = IconFileImage(bytes, entry)) Decode(*image);
    }
  }
  if (const auto entries = ParseIconGroup(bytes)) ChooseIconGroupEntry(*entries);
  Decode(bytes);
}

Bytes Mutate(Bytes bytes, std::mt19937& random) {
  bytes.resize(std::max<std::size_t>(bytes.size(), 1));
  const auto anywhere = [&] { return random() % bytes.size(); };
  switch (random() % 5) {
    case 0:  // cut, most often inside the headers
      bytes.resize(random() % 2 ? random() % std::min<std::size_t>(bytes.size(), 4096)
                                : anywhere());
      break;
    case 1:  // flip bits anywhere
      for (int i = 0; i < 16; ++i)
        bytes[anywhere()] ^= static_cast<std::uint8_t>(1u << random() % 8);
      break;
    case 2:  // scramble a window, where a header or a directory may lie
      for (std::size_t i = anywhere(), end = std::min(bytes.size(), i + 256); i < end; ++i)
        if (random() % 8 == 0) bytes[i] = static_cast<std::uint8_t>(random());
      break;
    case 3: {  // plant a lying offset, count or size
      const std::uint32_t lies[] = {0,          0xFFFFFFFF, 0x80000000,
                                    0x7FFFFFFF, 0xFFFF,     static_cast<std::uint32_t>(random())};
      test::Put32(bytes, anywhere(), lies[random() % 6]);
      break;
    }
    default:  // noise behind a program's signature
      bytes.resize(random() % 4096 + 2);
      for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
      test::Put16(bytes, 0, 0x5A4D);
  }
  return bytes;
}

std::vector<Bytes> Seeds() {
  std::vector<Bytes> seeds = {test::BuildImage(0x10b, test::ResourceSection()),
                              test::BuildImage(0x20b, test::ResourceSection())};
  for (const char* name : {"pe/iexplore.exe", "pe/msiexec.exe", "pe/notepad.exe", "pe/winemine.exe",
                           "ico/idle.ico", "ico/sysinfo.ico"}) {
    seeds.push_back(test::ReadSampleBytes(name));
  }
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    const std::vector<std::uint32_t> palette(bits <= 8 ? 1u << bits : 0u, 0x123456);
    seeds.push_back(test::BuildDib(5, 3, bits, palette, Bytes((5 * bits + 31) / 32 * 12, 0xA5),
                                   Bytes(12, 0x5A)));
  }
  return seeds;
}

TEST(Robustness, MangledInputsNeverCrashAnyReader) {
  const auto seeds = Seeds();
  std::mt19937 random(20240229);
  for (const auto& seed : seeds) RunEveryReader(seed);
  for (int i = 0; i < 3000 && !HasFatalFailure(); ++i)
    RunEveryReader(Mutate(seeds[random() % seeds.size()], random));
}

}  // namespace
}  // namespace qav::readers
