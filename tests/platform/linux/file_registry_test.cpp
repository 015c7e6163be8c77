#include "platform/linux/file_registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"
#include "support/result_checks.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

constexpr std::uint32_t kHkcu = 0x80000001u;
constexpr std::uint32_t kHklm = 0x80000002u;
const std::string kSystem = "SOFTWARE\\QAV Launcher\\System";

RegData Text(const std::string& text, RegType type = RegType::kString) {
  return {type, {text.begin(), text.end()}};
}

// What a string value reads back as: its text and one NUL.
RegData ReadBack(const std::string& text, RegType type = RegType::kString) {
  return Text(text + '\0', type);
}

void ExpectValue(const std::optional<RegData>& actual, const RegData& expected) {
  ASSERT_TRUE(actual.has_value());
  EXPECT_EQ(actual->type, expected.type);
  EXPECT_EQ(actual->bytes, expected.bytes);
}

TEST(FileRegistry, EveryTypeRoundTripsThroughTheFile) {
  test::TempDir dir;
  const std::string path = dir / "settings/qav/registry.reg";  // folders created on demand
  const std::vector<std::string> awkward = {
      "",         "plain",     "quote \" and \\ backslash",    "line\nbreak\r\ttab",
      "\x01\x7f", "Grüße ✓ 🚀", std::string("nul\0inside", 10), "\xff\xc3 not UTF-8 \xed\xa0\x80"};
  {
    FileRegistry registry(path);
    for (std::size_t i = 0; i < awkward.size(); ++i) {
      ASSERT_TRUE(registry.Set(kHkcu, kSystem, "s" + std::to_string(i), Text(awkward[i])));
    }
    EXPECT_TRUE(registry.Set(kHkcu, kSystem, "e", Text("%HOME%/bin", RegType::kExpandString)));
    EXPECT_TRUE(registry.Set(kHkcu, kSystem, "d", {RegType::kDword, {0xef, 0xbe, 0xad, 0xde}}));
    EXPECT_TRUE(registry.Set(kHkcu, kSystem, "b", {RegType::kBinary, {0, 0xff, 10}}));
    EXPECT_TRUE(registry.Set(kHkcu, kSystem, "b0", {RegType::kBinary, {}}));
    const std::string items("a\0\0b \"c\"", 8);
    EXPECT_TRUE(registry.Set(kHkcu, kSystem, "m", Text(items + '\0', RegType::kMultiString)));
    // Given NULs are not stored twice.
    EXPECT_TRUE(registry.Set(kHkcu, kSystem, "z", Text(std::string("x\0\0", 3))));
  }
  FileRegistry reopened(path);
  for (std::size_t i = 0; i < awkward.size(); ++i) {
    ExpectValue(reopened.Query(kHkcu, kSystem, "s" + std::to_string(i)), ReadBack(awkward[i]));
  }
  ExpectValue(reopened.Query(kHkcu, kSystem, "e"), ReadBack("%HOME%/bin", RegType::kExpandString));
  ExpectValue(reopened.Query(kHkcu, kSystem, "d"), {RegType::kDword, {0xef, 0xbe, 0xad, 0xde}});
  ExpectValue(reopened.Query(kHkcu, kSystem, "b"), {RegType::kBinary, {0, 0xff, 10}});
  ExpectValue(reopened.Query(kHkcu, kSystem, "b0"), {RegType::kBinary, {}});
  ExpectValue(reopened.Query(kHkcu, kSystem, "m"),
              ReadBack(std::string("a\0\0b \"c\"", 8), RegType::kMultiString));
  ExpectValue(reopened.Query(kHkcu, kSystem, "z"), ReadBack("x"));

  // One value a line, and the file stays UTF-8 text with no raw control characters.
  const std::string text = test::ReadText(path);
  EXPECT_TRUE(IsValidUtf8(text));
  EXPECT_EQ(text.find_first_of(std::string("\r\t\x01\x7f\0", 5)), std::string::npos);
  EXPECT_NE(text.find("\"d\"=dword:deadbeef\n"), std::string::npos);
  EXPECT_NE(text.find("\"b\"=hex:00,ff,0a\n"), std::string::npos);
}

TEST(FileRegistry, LayoutIsStableAndNamesKeepTheirFirstSpelling) {
  test::TempDir dir;
  const std::string path = dir / "registry.reg";
  FileRegistry registry(path);
  ASSERT_TRUE(registry.Set(kHkcu, kSystem, "FirstRun", Text("0")));
  ASSERT_TRUE(registry.Set(kHklm, "Software\\Other", "X", Text("1")));
  ASSERT_TRUE(registry.Set(kHkcu, kSystem, "APP_PATH", Text("/opt/qav")));
  ASSERT_TRUE(registry.Set(kHkcu, "software\\qav launcher\\SYSTEM", "firstrun", Text("1")));

  EXPECT_EQ(test::ReadText(path),
            "; QAV Launcher settings store. Safe to edit while the launcher is not running.\n"
            "\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\QAV Launcher\\System]\n"
            "\"FirstRun\"=\"1\"\n"
            "\"APP_PATH\"=\"/opt/qav\"\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Other]\n"
            "\"X\"=\"1\"\n");
  ExpectValue(registry.Query(kHkcu, "SOFTWARE\\qav LAUNCHER\\system", "app_path"),
              ReadBack("/opt/qav"));
  EXPECT_FALSE(registry.Query(kHklm, kSystem, "APP_PATH"));  // other root, other key
}

TEST(FileRegistry, HandEditedFileIsReadAndItsUnknownLinesSurviveWrites) {
  test::TempDir dir;
  const std::string path = dir / "registry.reg";
  const std::string original =
      "# notes\r\n"
      "\"Orphan\"=\"before any key\"\n"
      "[HKEY_CURRENT_USER\\SOFTWARE\\QAV Launcher\\System]\r\n"
      "; comment\n"
      "  \"APP_PATH\" = \"/home/ann/qav\"   \n"
      "\"Count\"=DWORD:1E\n"
      "\"Broken\"=\"no closing quote\n"
      "\"BadEscape\"=\"\\q\"\n"
      "\"List\"=multi: \"a\" , \"b\"\n"
      "garbage line\n"
      "\n"
      "[HKEY_NOWHERE\\Software]\n"
      "\"Kept\"=\"1\"\n"
      "[HKEY_CURRENT_USER\\SOFTWARE\\QAV Launcher\\System]\n"
      "\"Count\"=dword:2\n";
  test::WriteText(path, original);
  FileRegistry registry(path);
  ExpectValue(registry.Query(kHkcu, kSystem, "APP_PATH"), ReadBack("/home/ann/qav"));
  ExpectValue(registry.Query(kHkcu, kSystem, "List"),
              ReadBack(std::string("a\0b", 3), RegType::kMultiString));
  // Defined twice: the later definition counts.
  ExpectValue(registry.Query(kHkcu, kSystem, "Count"), {RegType::kDword, {2, 0, 0, 0}});
  EXPECT_FALSE(registry.Query(kHkcu, kSystem, "Broken"));
  EXPECT_FALSE(registry.Query(kHkcu, kSystem, "BadEscape"));
  EXPECT_FALSE(registry.Query(kHkcu, "", "Orphan"));
  test::WriteText(dir / "bom.reg", "\xEF\xBB\xBF[HKEY_CURRENT_USER\\Bom]\n\"A\"=\"1\"\n");
  ExpectValue(FileRegistry(dir / "bom.reg").Query(kHkcu, "Bom", "A"), ReadBack("1"));

  ASSERT_TRUE(registry.Set(kHkcu, kSystem, "FirstRun", Text("1")));
  const std::string rewritten = test::ReadText(path);
  for (const char* kept : {"# notes", "; comment", "  \"APP_PATH\" = \"/home/ann/qav\"   ",
                           "\"Broken\"=\"no closing quote", "garbage line", "[HKEY_NOWHERE",
                           "\"Kept\"=\"1\"", "\"Orphan\""}) {
    EXPECT_NE(rewritten.find(kept), std::string::npos) << kept;
  }
  // Writing a duplicated value leaves one definition.
  ASSERT_TRUE(registry.Set(kHkcu, kSystem, "count", {RegType::kDword, {3, 0, 0, 0}}));
  ExpectValue(registry.Query(kHkcu, kSystem, "Count"), {RegType::kDword, {3, 0, 0, 0}});
  EXPECT_EQ(test::ReadText(path).find("DWORD:1E"), std::string::npos);
}

TEST(FileRegistry, HexDigitsAreAsciiInEitherCase) {
  test::TempDir dir;
  const std::string path = dir / "registry.reg";
  test::WriteText(path,
                  "[HKEY_CURRENT_USER\\SOFTWARE\\QAV Launcher\\System]\n"
                  "\"Upper\"=\"\\xC3\\xA9\"\n"
                  "\"Word\"=dword:00aBcDeF\n"
                  // A byte past ASCII where a digit belongs ends the number there.
                  "\"HalfEscape\"=\"\\xA\xC3\xA9\"\n"
                  "\"HighWord\"=dword:0000001\xC1\n");
  FileRegistry registry(path);
  ExpectValue(registry.Query(kHkcu, kSystem, "Upper"), ReadBack("\xC3\xA9"));
  ExpectValue(registry.Query(kHkcu, kSystem, "Word"), {RegType::kDword, {0xef, 0xcd, 0xab, 0}});
  EXPECT_FALSE(registry.Query(kHkcu, kSystem, "HalfEscape"));
  EXPECT_FALSE(registry.Query(kHkcu, kSystem, "HighWord"));
}

TEST(FileRegistry, DeleteReportsMissingValuesAndDropsEmptiedKeys) {
  test::TempDir dir;
  const std::string path = dir / "registry.reg";
  FileRegistry registry(path);
  EXPECT_TRUE(test::FailsSaying(registry.Delete(kHkcu, kSystem, "FirstRun"),
                                {"cannot remove", "\"FirstRun\"", "no such value"}));
  EXPECT_FALSE(std::filesystem::exists(path));  // no file made by a failed delete

  ASSERT_TRUE(registry.Set(kHkcu, kSystem, "FirstRun", Text("1")));
  ASSERT_TRUE(registry.Set(kHkcu, "Software\\Keep", "A", Text("1")));
  EXPECT_TRUE(test::FailsSaying(registry.Delete(kHkcu, kSystem, "Other"), {"no such value"}));
  EXPECT_TRUE(registry.Delete(kHkcu, "software\\qav launcher\\system", "FIRSTRUN"));
  EXPECT_FALSE(registry.Query(kHkcu, kSystem, "FirstRun"));
  EXPECT_TRUE(test::FailsSaying(registry.Delete(kHkcu, kSystem, "FirstRun"), {"no such value"}));
  const std::string text = test::ReadText(path);
  EXPECT_EQ(text.find("QAV Launcher\\System]"), std::string::npos);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Keep]\n\"A\"=\"1\""), std::string::npos);
}

TEST(FileRegistry, RefusesWhatItCannotStoreOrWrite) {
  test::TempDir dir;
  test::WriteText(dir / "file", "not a folder");
  FileRegistry unwritable(dir / "file/registry.reg");
  EXPECT_TRUE(test::FailsSaying(unwritable.Set(kHkcu, kSystem, "FirstRun", Text("1")),
                                {"cannot store", "\"FirstRun\"", "cannot write", "registry.reg"}));
  EXPECT_FALSE(unwritable.Query(kHkcu, kSystem, "FirstRun"));

  FileRegistry registry(dir / "registry.reg");
  EXPECT_TRUE(test::FailsSaying(registry.Set(0x80000007u, kSystem, "A", Text("1")), {"root key"}));
  EXPECT_TRUE(
      test::FailsSaying(registry.Set(kHkcu, kSystem, "A", {RegType::kDword, {1, 2, 3}}), {"type"}));
  EXPECT_TRUE(test::FailsSaying(registry.Set(kHkcu, "Bad\nKey", "A", Text("1")), {"key's name"}));
  EXPECT_TRUE(test::FailsSaying(registry.Set(kHkcu, kSystem, "A", {static_cast<RegType>(11), {}}),
                                {"type"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "registry.reg"));
}

TEST(FileRegistry, WritesThroughASymbolicLink) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "dotfiles");
  std::filesystem::create_symlink("dotfiles/registry.reg", dir / "registry.reg");
  FileRegistry registry(dir / "registry.reg");
  ASSERT_TRUE(registry.Set(kHkcu, kSystem, "FirstRun", Text("1")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "registry.reg"));
  ExpectValue(FileRegistry(dir / "dotfiles/registry.reg").Query(kHkcu, kSystem, "FirstRun"),
              ReadBack("1"));
  EXPECT_FALSE(std::filesystem::exists(dir / "dotfiles/registry.reg.tmp"));
}

}  // namespace
}  // namespace qav::platform
