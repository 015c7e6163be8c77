#include "platform/linux/linux_registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/environment/registry_access.h"
#include "platform/linux/autostart_entry.h"
#include "support/result_checks.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

constexpr std::uint32_t kHkcu = 0x80000001u;
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

RegData Text(const std::string& text, RegType type = RegType::kString) {
  return {type, {text.begin(), text.end()}};
}

class LinuxRegistryTest : public ::testing::Test {
 protected:
  bool EntryExists() const { return std::filesystem::exists(entry_); }
  std::string StoreText() const { return test::ReadText(file_); }

  test::TempDir dir_;
  const std::string file_ = dir_ / "config/QAV Launcher/registry.reg";
  const std::string entry_ = dir_ / "config/autostart/" QAV_APP_ID ".desktop";
  const std::string legacy_ = dir_ / "config/autostart/qav-launcher.desktop";
  LinuxRegistry registry_{file_, entry_, legacy_};
};

TEST_F(LinuxRegistryTest, RunValueIsTheAutostartEntryAndEverythingElseTheFile) {
  ASSERT_TRUE(registry_.Set(kHkcu, "SOFTWARE\\MICROSOFT\\windows\\currentversion\\run",
                            "qav launcher", Text(std::string("/opt/My Qav/qav\0", 16))));
  EXPECT_EQ(ReadAutostartProgram(entry_), "/opt/My Qav/qav");
  const auto run = registry_.Query(kHkcu, kRun, "QAV Launcher");
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->type, RegType::kString);
  EXPECT_EQ(std::string(run->bytes.begin(), run->bytes.end()),
            std::string("/opt/My Qav/qav\0", 16));
  EXPECT_FALSE(std::filesystem::exists(file_));

  // Other values, also other values of the Run key and other roots, go to the file.
  ASSERT_TRUE(registry_.Set(kHkcu, kRun, "Another App", Text("/usr/bin/other")));
  ASSERT_TRUE(registry_.Set(0x80000002u, kRun, "QAV Launcher", Text("/machine")));
  ASSERT_TRUE(registry_.Set(kHkcu, "SOFTWARE\\QAV Launcher\\System", "FirstRun", Text("1")));
  EXPECT_NE(StoreText().find("\"Another App\"=\"/usr/bin/other\""), std::string::npos);
  EXPECT_NE(StoreText().find("\"QAV Launcher\"=\"/machine\""), std::string::npos);
  EXPECT_EQ(ReadAutostartProgram(entry_), "/opt/My Qav/qav");

  EXPECT_TRUE(test::FailsSaying(
      registry_.Set(kHkcu, kRun, "QAV Launcher", {RegType::kDword, {1, 0, 0, 0}}), {"text"}));
  EXPECT_TRUE(registry_.Delete(kHkcu, kRun, "QAV Launcher"));
  EXPECT_FALSE(EntryExists());
  EXPECT_FALSE(registry_.Query(kHkcu, kRun, "QAV Launcher"));
  EXPECT_TRUE(test::FailsSaying(registry_.Delete(kHkcu, kRun, "QAV Launcher"), {"no such value"}));
  EXPECT_NE(StoreText().find("FirstRun"), std::string::npos);
}

TEST_F(LinuxRegistryTest, ASwitchedOffEntryReadsAsNoValueAndIsNotDeleted) {
  std::filesystem::create_directories(dir_ / "config/autostart");
  test::WriteText(entry_, "[Desktop Entry]\nExec=/opt/qav\nHidden=true\n");
  EXPECT_FALSE(registry_.Query(kHkcu, kRun, "QAV Launcher"));
  EXPECT_TRUE(test::FailsSaying(registry_.Delete(kHkcu, kRun, "QAV Launcher"), {"no such value"}));
  EXPECT_TRUE(EntryExists());
  // Switching on replaces it with a working one.
  EXPECT_TRUE(SetAutoRun(registry_, "/opt/qav/qav-launcher", true));
  EXPECT_EQ(test::ReadText(entry_).find("Hidden"), std::string::npos);
}

// An entry of the name earlier versions wrote is the program's too; writing the value replaces it,
// so that the session never starts two docks.
TEST_F(LinuxRegistryTest, TheEarlierEntryNameCountsAndGivesWayToTheCurrentOne) {
  ASSERT_TRUE(WriteAutostartEntry(legacy_, "/opt/old/qav-launcher"));
  EXPECT_TRUE(registry_.Query(kHkcu, kRun, "QAV Launcher"));
  EXPECT_TRUE(SetAutoRun(registry_, "/usr/bin/qav-launcher", true));
  EXPECT_FALSE(std::filesystem::exists(legacy_));
  EXPECT_EQ(ReadAutostartProgram(entry_), "/usr/bin/qav-launcher");
  ASSERT_TRUE(WriteAutostartEntry(legacy_, "/opt/old/qav-launcher"));
  EXPECT_TRUE(registry_.Delete(kHkcu, kRun, "QAV Launcher"));
  EXPECT_FALSE(std::filesystem::exists(legacy_));
  EXPECT_FALSE(EntryExists());
}

}  // namespace
}  // namespace qav::platform
