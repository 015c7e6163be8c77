// The user's hot-key file: what a combination may be, how lines that cannot be used are told,
// and that what the Keys page writes reads back the same.

#include "core/environment/hot_key_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

using platform::KeyCombination;

TEST(HotKeyFile, CombinationsNeedAModifierThatKeepsTypingAndTheirKeysAnyCase) {
  EXPECT_EQ(ParseCombination("ctrl + alt + k"),
            (KeyCombination{platform::kCtrl | platform::kAlt, "K"}));
  EXPECT_EQ(ParseCombination("Meta+f12"), (KeyCombination{platform::kSuper, "F12"}));
  EXPECT_EQ(ParseCombination("Control+PgDn"), (KeyCombination{platform::kCtrl, "PageDown"}));
  EXPECT_EQ(ParseCombination("Shift+Tab"), (KeyCombination{platform::kShift, "Tab"}));
  EXPECT_EQ(ParseCombination("F9"), (KeyCombination{0, "F9"}));
  for (const char* refused : {"", "K", "Shift+K", "Shift+Space", "Tab", "Hyper+K", "Ctrl+",
                              "Ctrl+F25", "Ctrl+Ä", "Ctrl+K+L"}) {
    EXPECT_FALSE(ParseCombination(refused).has_value()) << refused;
    EXPECT_FALSE(CombinationProblem(refused).empty()) << refused;
  }
  EXPECT_NE(CombinationProblem("Shift+K").find("add Ctrl, Alt or Super"), std::string::npos);
}

TEST(HotKeyFile, BadLinesAreToldAndKeepTheUsualKeysOneCombinationDoesOneThing) {
  const HotKeyChoice choice = ParseHotKeyFile(
      "# mine\r\n"
      "  Keyboard = Super+Space \r\n"
      "switch = none\n"
      "minimize = Alt+Nowhere\n"
      "volume = Ctrl+Up\n"
      "no equals sign\n");
  platform::HotKeyBindings expected = platform::DefaultHotKeys();
  expected[0] = KeyCombination{platform::kSuper, "Space"};
  expected[1].reset();
  EXPECT_EQ(choice.bindings, expected);
  ASSERT_EQ(choice.problems.size(), 3u);
  EXPECT_EQ(choice.problems[0], "line 4 (minimize = Alt+Nowhere): \"Nowhere\" is no key it knows");
  EXPECT_EQ(choice.problems[1].rfind("line 5 (volume = Ctrl+Up)", 0), 0u);

  const HotKeyChoice twice = ParseHotKeyFile("switch = Ctrl+Tab\n");
  EXPECT_EQ(twice.bindings[1], (KeyCombination{platform::kCtrl, "Tab"}));
  EXPECT_FALSE(twice.bindings[2].has_value());  // minimize kept Ctrl+Tab: the later one gives way
  ASSERT_EQ(twice.problems.size(), 1u);
}

TEST(HotKeyFile, WhatIsWrittenReadsBackAndOnlyRegularFilesAreRead) {
  const test::TempDir dir;
  const std::string path = dir / "qav-launcher/hot-keys.conf";
  EXPECT_EQ(ReadHotKeyFile(path).bindings, platform::DefaultHotKeys());  // none yet: defaults
  platform::HotKeyBindings chosen = platform::DefaultHotKeys();
  chosen[0] = KeyCombination{platform::kCtrl | platform::kShift | platform::kAlt, "F5"};
  chosen[2].reset();
  test::RealFiles files;
  ASSERT_TRUE(WriteHotKeyFile(files, path, chosen).Ok());
  const HotKeyChoice read = ReadHotKeyFile(path);
  EXPECT_EQ(read.bindings, chosen);
  EXPECT_TRUE(read.problems.empty());
  EXPECT_NE(HotKeyFileText(chosen).find("keyboard = Ctrl+Shift+Alt+F5\nswitch = Shift+Tab\n"
                                        "minimize = none\n"),
            std::string::npos);

  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // a folder where the file belongs
  const HotKeyChoice folder = ReadHotKeyFile(path);
  EXPECT_EQ(folder.bindings, platform::DefaultHotKeys());
  EXPECT_EQ(folder.problems.size(), 1u);
  EXPECT_FALSE(WriteHotKeyFile(files, path, chosen).Ok());
}

}  // namespace
}  // namespace qav
