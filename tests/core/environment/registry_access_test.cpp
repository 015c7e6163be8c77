#include "core/environment/registry_access.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "platform/fake/fake_platform.h"
#include "support/result_checks.h"

namespace qav {
namespace {

TEST(ParseRegPath, SplitsRootSubKeyAndLastPart) {
  std::string subKey, last;
  EXPECT_EQ(ParseRegPath("hkey_current_user\\Software\\A\\B", subKey, last), 0x80000001u);
  EXPECT_EQ(subKey, "Software\\A\\B");
  EXPECT_EQ(last, "B");
  EXPECT_EQ(ParseRegPath("HKEY_DYN_DATA", subKey, last), 0x80000006u);
  EXPECT_EQ(subKey, "");
  EXPECT_EQ(last, "HKEY_DYN_DATA");
  EXPECT_EQ(ParseRegPath("HKCU\\Software", subKey, last), 0u);
}

TEST(RegistryValues, TypesRoundTripAndStringsKeepTheirNul) {
  platform::fake::FakeRegistry registry;
  const std::string key = "HKEY_CURRENT_USER\\SOFTWARE\\Test";
  EXPECT_TRUE(WriteRegValue(registry, key, "Text", "hello", 1));
  EXPECT_TRUE(WriteRegValue(registry, key, "Number", "41.5", 4));  // rounds half to even
  EXPECT_TRUE(WriteRegValue(registry, key, "Negative", "-7", 4));
  EXPECT_EQ(ReadRegValue(registry, key, "Text"), RegValue(std::string("hello\0", 6)));
  EXPECT_EQ(ReadRegValue(registry, key, "Number"), RegValue(std::int32_t{42}));
  EXPECT_EQ(ReadRegValue(registry, key, "negative"), RegValue(std::int32_t{-7}));
  EXPECT_EQ(RegValueText(ReadRegValue(registry, key, "Missing")), "");

  // Types other than strings and numbers store nothing; a non-number is refused.
  const int before = registry.writes;
  EXPECT_TRUE(WriteRegValue(registry, key, "Bin", "x", 3));
  EXPECT_TRUE(test::FailsSaying(WriteRegValue(registry, key, "Bad", "twelve", 4),
                                {"\"Bad\"", "\"twelve\" is not a number"}));
  EXPECT_EQ(registry.writes, before);

  EXPECT_TRUE(DeleteRegValue(registry, key, "Text"));
  EXPECT_EQ(ReadRegValue(registry, key, "Text"), RegValue());
}

// The toolkit sets LC_NUMERIC from the user's environment; numbers written by the program must
// read the same under a locale with a decimal comma.
TEST(RegistryValues, NumbersReadAlikeUnderADecimalCommaLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
#ifdef _WIN32
  // The C runtime of Windows names its locales by language and country.
  ASSERT_TRUE(std::setlocale(LC_NUMERIC, "German_Germany") || std::setlocale(LC_NUMERIC, "de-DE"));
#else
  ::setenv("LOCPATH", QAV_TEST_LOCALES, 1);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
#endif
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  platform::fake::FakeRegistry registry;
  const std::string key = "HKEY_CURRENT_USER\\SOFTWARE\\Test";
  EXPECT_TRUE(WriteRegValue(registry, key, "Half", "2.5", 4));
  EXPECT_TRUE(WriteRegValue(registry, key, "Scaled", " +1.5e1 ", 4));
  EXPECT_FALSE(WriteRegValue(registry, key, "Comma", "41,5", 4));
  EXPECT_FALSE(WriteRegValue(registry, key, "Huge", "1e10", 4));
  std::setlocale(LC_NUMERIC, previous.c_str());
#ifndef _WIN32
  ::unsetenv("LOCPATH");
#endif
  EXPECT_EQ(ReadRegValue(registry, key, "Half"), RegValue(std::int32_t{2}));
  EXPECT_EQ(ReadRegValue(registry, key, "Scaled"), RegValue(std::int32_t{15}));
  EXPECT_EQ(registry.ValueCount(), 2u);
}

TEST(RegistryValues, UnknownRootReadsEmptyAndWritesNothing) {
  platform::fake::FakeRegistry registry;
  EXPECT_TRUE(test::FailsSaying(WriteRegValue(registry, "HKEY_NOWHERE\\Key", "V", "1", 1),
                                {"HKEY_NOWHERE", "root key"}));
  EXPECT_TRUE(test::FailsSaying(DeleteRegValue(registry, "HKEY_NOWHERE\\Key", "V"), {"root key"}));
  EXPECT_EQ(registry.ValueCount(), 0u);
  EXPECT_EQ(ReadRegValue(registry, "HKEY_NOWHERE\\Key", "V"), RegValue());
}

TEST(RegistryValues, OverlongStringReadsAsNothing) {
  platform::fake::FakeRegistry registry;
  ASSERT_TRUE(WriteRegValue(registry, "HKEY_CURRENT_USER\\K", "Long", std::string(1100, 'x'), 1));
  EXPECT_EQ(ReadRegValue(registry, "HKEY_CURRENT_USER\\K", "Long"), RegValue());
}

class AutoRunTest : public ::testing::Test {
 protected:
  std::string RunEntry() {
    return TrimNull(RegValueText(ReadRegValue(registry, kRunKey, kRunValueName)));
  }
  platform::fake::FakeRegistry registry;
  const std::string exe = "/opt/qav/qav-launcher";
};

TEST_F(AutoRunTest, EnableWritesOnceAndDisableRemovesOnlyOurEntry) {
  EXPECT_TRUE(SetAutoRun(registry, exe, true));
  EXPECT_EQ(RunEntry(), exe);
  const int writes = registry.writes;
  EXPECT_TRUE(SetAutoRun(registry, exe, true));  // already ours: nothing written
  EXPECT_EQ(registry.writes, writes);
  EXPECT_FALSE(SetAutoRun(registry, exe, false));
  EXPECT_EQ(RunEntry(), "");
}

TEST_F(AutoRunTest, EntryOfAnotherCopyIsReplacedOnEnableAndKeptOnDisable) {
  ASSERT_TRUE(WriteRegValue(registry, kRunKey, kRunValueName, "/old/place/qav-launcher", 1));
  EXPECT_FALSE(SetAutoRun(registry, exe, false));
  EXPECT_EQ(RunEntry(), "/old/place/qav-launcher");
  EXPECT_TRUE(SetAutoRun(registry, exe, true));
  EXPECT_EQ(RunEntry(), exe);
  // Comparisons are exact.
  EXPECT_FALSE(SetAutoRun(registry, "/OPT/qav/qav-launcher", false));
  EXPECT_EQ(RunEntry(), exe);
}

TEST(FirstRun, OnlyTheInstallersZeroCountsAndIsConsumed) {
  platform::fake::FakeRegistry registry;
  EXPECT_FALSE(IsFirstRun(registry));  // missing flag
  EXPECT_EQ(registry.ValueCount(), 0u);
  ASSERT_TRUE(WriteRegValue(registry, kSystemKey, "FirstRun", "0", 1));
  EXPECT_TRUE(IsFirstRun(registry));
  EXPECT_EQ(TrimNull(RegValueText(ReadRegValue(registry, kSystemKey, "FirstRun"))), "1");
  EXPECT_FALSE(IsFirstRun(registry));
}

TEST(AppInfo, PublishesPathVersionAndBuild) {
  platform::fake::FakeRegistry registry;
  EXPECT_TRUE(WriteAppInfo(registry, "/opt/qav/qav-launcher", {1, 2, 345}));
  auto read = [&](const char* name) {
    return TrimNull(RegValueText(ReadRegValue(registry, kSystemKey, name)));
  };
  EXPECT_EQ(read("APP_PATH"), "/opt/qav/qav-launcher");
  EXPECT_EQ(read("APP_VER"), "1.2.345");
  EXPECT_EQ(read("APP_BUILD"), "345");
}

// Refuses one value by name, as a registry with a locked value would.
class RefusingRegistry final : public platform::Registry {
 public:
  explicit RefusingRegistry(std::string refused) : refused_(std::move(refused)) {}
  std::optional<platform::RegData> Query(std::uint32_t root, const std::string& subKey,
                                         const std::string& name) override {
    return inner.Query(root, subKey, name);
  }
  Result Set(std::uint32_t root, const std::string& subKey, const std::string& name,
             const platform::RegData& data) override {
    if (name == refused_) return platform::RegistryFailure("cannot store", subKey, name, "denied");
    return inner.Set(root, subKey, name, data);
  }
  Result Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override {
    return inner.Delete(root, subKey, name);
  }
  platform::fake::FakeRegistry inner;

 private:
  std::string refused_;
};

TEST(AppInfo, AValueThatCannotBeWrittenIsNamedAndStopsTheRest) {
  RefusingRegistry registry("APP_VER");
  EXPECT_TRUE(test::FailsSaying(WriteAppInfo(registry, "/opt/qav/qav-launcher", {1, 2, 345}),
                                {"cannot store", "\"APP_VER\"", "denied"}));
  EXPECT_EQ(registry.inner.ValueCount(), 1u);  // only the path went in
}

}  // namespace
}  // namespace qav
