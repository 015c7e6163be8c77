#include "core/operations/os_name.h"

#include "core/state/constants.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

using Family = platform::OsVersion::Family;

platform::OsVersion Windows(Family family, int major, int minor, std::string pack = "",
                            int build = 2600) {
  platform::OsVersion v;
  v.family = family;
  v.major = major;
  v.minor = minor;
  v.build = build;
  v.servicePack = std::move(pack);
  return v;
}

TEST(GetOSName, WindowsNamesCarryServicePackAndBuild) {
  int major = -1;
  EXPECT_EQ(
      GetOSName(Windows(Family::kWindowsNT, 5, 1, std::string("Service Pack 3\0junk", 19)), major)
          .name,
      "Microsoft Windows XP Service Pack 3 (Build 2600)");
  EXPECT_EQ(major, 5);
  EXPECT_EQ(GetOSName(Windows(Family::kWindowsNT, 6, 1, "", 7601), major).name,
            "Microsoft Windows 7  (Build 7601)");
  EXPECT_EQ(GetOSName(Windows(Family::kWindowsNT, 4, 9), major).name,
            "Microsoft Windows NT 4.0  (Build 2600)");
  // Versions the table does not know have no name, but the major version is still recorded.
  EXPECT_EQ(GetOSName(Windows(Family::kWindowsNT, 10, 0), major).name, "");
  EXPECT_EQ(major, 10);
  EXPECT_EQ(GetOSName(std::nullopt, major).name, "");
  EXPECT_EQ(major, 10);
}

TEST(GetOSName, TheWindows95FamilyIsRefused) {
  int major = -1;
  const OsName me = GetOSName(Windows(Family::kWindows9x, 4, 90, " A "), major);
  EXPECT_TRUE(me.unsupported);
  EXPECT_EQ(English(UnsupportedOsMessage(me)),
            "Sorry! QAV Launcher doesn't support Microsoft Windows Mellennium A (Build 2600)");
  EXPECT_EQ(major, -1);
  EXPECT_TRUE(GetOSName(Windows(Family::kWindows9x, 4, 3), major).unsupported);
}

TEST(GetOSName, LinuxNamesTheDistributionAndKernel) {
  platform::OsVersion v;
  v.family = Family::kLinux;
  v.distribution = "Debian GNU/Linux 12 (bookworm)";
  v.kernelRelease = "6.1.0-18-amd64";
  int major = 0;
  const OsName os = GetOSName(v, major);
  EXPECT_EQ(os.name, "Debian GNU/Linux 12 (bookworm) (Kernel 6.1.0-18-amd64)");
  EXPECT_FALSE(os.unsupported);
  EXPECT_EQ(major, kLinuxFeatureMajor);
}

}  // namespace
}  // namespace qav
