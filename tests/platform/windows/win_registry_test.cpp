// The real registry of a private Wine prefix (or a test machine): values go in and come back as
// they went, strings are stored as UTF-16 for other programs to read, and the Run value is an
// ordinary value under HKEY_CURRENT_USER.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/files/wide_text.h"
#include "platform/windows/system_message.h"
#include "platform/windows/win_registry.h"
#include "support/result_checks.h"

namespace qav::platform {
namespace {

constexpr std::uint32_t kHkcu = 0x80000001u;
constexpr char kTestKey[] = "Software\\Brevona\\QAV Launcher Tests";
constexpr char kMulti[] = "eins\0zw\u00f6i\0\0";

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

class WinRegistryTest : public ::testing::Test {
 protected:
  ~WinRegistryTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(kTestKey).c_str()); }
  WinRegistry registry;
};

TEST_F(WinRegistryTest, ValuesOfEveryTypeComeBackAsTheyWent) {
  const std::string text = "C:\\Programme\\K\u00fcche \u6f22\u5b57";
  const std::vector<RegData> values = {
      {RegType::kString, Bytes(text + '\0')},
      {RegType::kExpandString, Bytes(std::string("%SystemRoot%\\x") + '\0')},
      {RegType::kDword, {0x78, 0x56, 0x34, 0x12}},
      {RegType::kBinary, {0, 1, 2, 0xff}},
      {RegType::kMultiString, Bytes(std::string(kMulti, sizeof kMulti - 1))},
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string name = "Value" + std::to_string(i);
    ASSERT_TRUE(registry.Set(kHkcu, kTestKey, name, values[i])) << name;
    const auto back = registry.Query(kHkcu, kTestKey, name);
    ASSERT_TRUE(back) << name;
    EXPECT_EQ(back->type, values[i].type) << name;
    EXPECT_EQ(back->bytes, values[i].bytes) << name;
  }
  // Names compare without regard to case, as the registry's own do.
  EXPECT_TRUE(registry.Query(kHkcu, "SOFTWARE\\brevona\\qav launcher tests", "VALUE0"));
}

TEST_F(WinRegistryTest, StringsAreStoredAsUtf16ForOtherPrograms) {
  const std::string text = "Stra\u00dfe";
  ASSERT_TRUE(registry.Set(kHkcu, kTestKey, "Text", {RegType::kString, Bytes(text)}));
  wchar_t stored[32] = {};
  DWORD size = sizeof stored;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, Utf8ToWide(kTestKey).c_str(), L"Text", RRF_RT_REG_SZ,
                           nullptr, stored, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(stored), L"Stra\u00dfe");
  // A string without its NUL is read back with exactly one.
  EXPECT_EQ(registry.Query(kHkcu, kTestKey, "Text")->bytes, Bytes(text + '\0'));
}

TEST_F(WinRegistryTest, MissingValuesAndUnknownRootsAreReported) {
  EXPECT_FALSE(registry.Query(kHkcu, kTestKey, "Nothing"));
  // The failure carries the system's words, never its number.
  EXPECT_TRUE(
      test::FailsSaying(registry.Delete(kHkcu, kTestKey, "Nothing"),
                        {"cannot remove", "\"Nothing\"", SystemMessage(ERROR_FILE_NOT_FOUND)}));
  ASSERT_TRUE(registry.Set(kHkcu, kTestKey, "Gone", {RegType::kDword, {1, 0, 0, 0}}));
  EXPECT_TRUE(registry.Delete(kHkcu, kTestKey, "Gone"));
  EXPECT_FALSE(registry.Query(kHkcu, kTestKey, "Gone"));
  EXPECT_TRUE(
      test::FailsSaying(registry.Set(0x12345678u, kTestKey, "X", {RegType::kDword, {1, 0, 0, 0}}),
                        {"cannot store", "\"X\"", SystemMessage(ERROR_INVALID_HANDLE)}));
  EXPECT_FALSE(registry.Query(0x12345678u, kTestKey, "X"));
}

TEST_F(WinRegistryTest, TheRunValueIsTheSessionsOwn) {
  const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::string name = "QAV Launcher Test";
  const std::string program = "C:\\Program Files\\QAV Launcher\\qav-launcher.exe";
  ASSERT_TRUE(registry.Set(kHkcu, run, name, {RegType::kString, Bytes(program + '\0')}));
  wchar_t stored[MAX_PATH] = {};
  DWORD size = sizeof stored;
  EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, Utf8ToWide(run).c_str(), Utf8ToWide(name).c_str(),
                           RRF_RT_REG_SZ, nullptr, stored, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(WideToUtf8(stored), program);
  EXPECT_TRUE(registry.Delete(kHkcu, run, name));
  EXPECT_FALSE(registry.Query(kHkcu, run, name));
}

TEST(SystemMessage, IsTheSystemsOneLineTextOrTheNumberWhenThereIsNone) {
  const std::string denied = SystemMessage(ERROR_ACCESS_DENIED);
  EXPECT_FALSE(denied.empty());
  EXPECT_EQ(denied.find_first_of("\r\n"), std::string::npos) << denied;
  EXPECT_NE(denied, "error 5");
  EXPECT_EQ(SystemMessage(0x2000FFFFu), "error 536936447");
}

}  // namespace
}  // namespace qav::platform
