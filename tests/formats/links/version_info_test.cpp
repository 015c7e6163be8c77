// Version fields of real programs.

#include "formats/links/version_info.h"

#include <gtest/gtest.h>

#include "support/samples.h"

namespace qav::readers {
namespace {

TEST(VersionInfo, FieldsOfRealPrograms) {
  const auto field = [&](const char* file, int number) {
    return VersionFieldFromPe(test::ReadSampleBytes(std::string("pe/") + file), number);
  };
  EXPECT_EQ(field("iexplore.exe", kFileDescription), "Wine Internet Explorer");
  EXPECT_EQ(field("msiexec.exe", kFileDescription), "Wine Installer");
  // Even-length keys are followed by no padding, odd-length ones by one character.
  EXPECT_EQ(field("iexplore.exe", kOriginalFilename), "iexplore.exe");
  EXPECT_EQ(field("iexplore.exe", kProductVersion), "9.0.8112.16421");
  EXPECT_EQ(field("msiexec.exe", kFileVersion), "4.5.6001.22308");
  EXPECT_EQ(field("msiexec.exe", kCompanyName), "Microsoft Corporation");
  EXPECT_EQ(field("msiexec.exe", kInternalName), "");  // present, empty
  EXPECT_EQ(field("msiexec.exe", kComments), "");      // absent
  EXPECT_EQ(field("msiexec.exe", 12), "");
  EXPECT_EQ(field("msiexec.exe", -1), "");
  EXPECT_EQ(field("notepad.exe", kFileDescription), "");  // no version resource
  EXPECT_EQ(VersionFieldFromPe(test::ReadSampleBytes("desktop/vim.desktop"), kProductName), "");
}

}  // namespace
}  // namespace qav::readers
