// Cut, bit-flipped and lying shell links, and random text, through every reader: a fixed amount of
// input from a fixed seed, so every run checks the same cases. Nothing may crash or read out of
// bounds (the suite also runs under AddressSanitizer and UndefinedBehaviorSanitizer), and what
// comes out must be well-formed text.

#include <gtest/gtest.h>

#include <random>

#include "formats/links/command_line.h"
#include "formats/links/desktop_entry.h"
#include "formats/links/internet_shortcut.h"
#include "formats/links/shell_link.h"
#include "formats/links/text_encoding.h"
#include "formats/links/version_info.h"
#include "support/samples.h"

namespace qav::readers {
namespace {

using Bytes = std::vector<std::uint8_t>;

// How many mangled links the test reads; every fourth is followed by a random text.
constexpr int kMangledLinks = 5000;

Bytes Mutate(Bytes bytes, std::mt19937& random) {
  bytes.resize(std::max<std::size_t>(bytes.size(), 1));
  const auto anywhere = [&] { return random() % bytes.size(); };
  switch (random() % 4) {
    case 0:  // cut
      bytes.resize(anywhere());
      break;
    case 1:  // flip bits
      for (int i = 0; i < 8; ++i)
        bytes[anywhere()] ^= static_cast<std::uint8_t>(1u << random() % 8);
      break;
    case 2: {  // a lying size, offset or count, often where the structures begin
      const std::size_t at = random() % 2 ? 76 + random() % 200 : anywhere();
      const std::uint32_t lie = random() % 2 ? 0xFFFFFFFFu >> random() % 32 : 0;
      for (std::size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
        bytes[at + i] = static_cast<std::uint8_t>(lie >> 8 * i);
      break;
    }
    default:  // scramble a window
      for (std::size_t i = anywhere(), end = std::min(bytes.size(), i + 64); i < end; ++i)
        bytes[i] = static_cast<std::uint8_t>(random());
  }
  return bytes;
}

// Text made of the pieces the text readers give meaning to, and of bytes that are no UTF-8.
std::string RandomText(std::mt19937& random) {
  constexpr std::string_view kPieces =
      "[Desktop Entry]|[InternetShortcut]|\n|\r\n|=|Exec|Name[de_DE@x]|URL|Type|\"|'|\\|%| |%f|"
      "\xFF|\xC3|a|#";
  std::string text;
  for (std::size_t n = random() % 64; n > 0; --n) {
    std::size_t at = random() % kPieces.size();
    at = kPieces.rfind('|', at) == std::string_view::npos ? 0 : kPieces.rfind('|', at) + 1;
    text += kPieces.substr(at, kPieces.find('|', at) - at);
  }
  return text;
}

void RunTextReaders(const std::string& text) {
  ParseDesktopEntry(text, "de_DE@x");
  EXPECT_TRUE(IsValidUtf8(ParseInternetShortcut(text).value_or(InternetShortcut()).url));
  VersionString(Bytes(text.begin(), text.end()), u"Exec");
  std::vector<std::string> words;  // whatever the words, their command line splits back into them
  for (std::size_t at = 0; at < text.size(); at += 7) words.push_back(text.substr(at, 7));
  EXPECT_EQ(SplitCommandLine(JoinCommandLine(words)), words);
}

TEST(Robustness, MangledLinksAndRandomTextNeverCrashAReader) {
  std::vector<Bytes> seeds;
  for (const auto& sample : test::SamplesIn("links", ".lnk")) {
    seeds.push_back(test::ReadSampleBytes(sample));
  }
  ASSERT_FALSE(seeds.empty());
  std::mt19937 random(20240611);
  for (int i = 0; i < kMangledLinks && !HasFatalFailure(); ++i) {
    if (const auto link = ParseShellLink(Mutate(seeds[random() % seeds.size()], random))) {
      for (const std::string* text : {&link->target, &link->arguments, &link->workingDir,
                                      &link->iconPath, &link->description, &link->darwinId})
        ASSERT_TRUE(IsValidUtf8(*text)) << *text;
    }
    if (i % 4 == 0) RunTextReaders(RandomText(random));
  }
}

}  // namespace
}  // namespace qav::readers
