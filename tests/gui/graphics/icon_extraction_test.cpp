#include "gui/graphics/icon_extraction.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <filesystem>

#include "formats/pe/pe_resources.h"
#include "platform/native_platform.h"
#include "support/real_files.h"
#include "support/samples.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

QImage Load(const std::string& path) {
  return QImage(QString::fromStdString(path));
}

class IconExtractionTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::RealFiles files;
};

TEST_F(IconExtractionTest, StoreNamesTakeTheFirstFreeNumber) {
  const std::string store = dir.path() + "/";
  EXPECT_EQ(NextIconStoreName(store), store + "0.png");
  test::WriteText(store + "0.png", "x");
  test::WriteText(store + "1.png", "x");
  test::WriteText(store + "3.png", "x");
  EXPECT_EQ(NextIconStoreName(store), store + "2.png");
}

TEST_F(IconExtractionTest, IconFilesGiveTheirBestEntryWithAlpha) {
  const std::string png = dir / "out.png";
  ASSERT_TRUE(IconFileToPng(files, test::SamplePath("ico/idle.ico"), png));
  EXPECT_EQ(Load(png).size(), QSize(256, 256));  // the 256-pixel 32-bit entry wins at once

  ASSERT_TRUE(IconFileToPng(files, test::SamplePath("ico/sysinfo.ico"), png));
  const QImage fourBit = Load(png);
  ASSERT_EQ(fourBit.size(), QSize(32, 32));
  EXPECT_TRUE(fourBit.hasAlphaChannel());
  EXPECT_EQ(qAlpha(fourBit.pixel(0, 0)), 0);  // the mask makes the corner transparent

  ASSERT_TRUE(IconFileToPng(files, test::SamplePath("ico/cloud-favicon.ico"), png));
  EXPECT_FALSE(Load(png).isNull());
}

TEST_F(IconExtractionTest, APngNamedIcoIsCopiedThroughAtItsSize) {
  QImage picture(40, 30, QImage::Format_ARGB32);
  picture.fill(Qt::green);
  picture.save(QString::fromStdString(dir / "fake.ico"), "PNG");
  ASSERT_TRUE(IconFileToPng(files, dir / "fake.ico", dir / "out.png"));
  EXPECT_EQ(Load(dir / "out.png").size(), QSize(40, 30));
}

TEST_F(IconExtractionTest, ProgramsGiveTheirIconGroupsByPositionOrById) {
  for (const char* program : {"winemine.exe", "notepad.exe", "iexplore.exe", "msiexec.exe"}) {
    const std::string exe = test::SamplePath(std::string("pe/") + program);
    const std::string first = dir / "first.png";
    ASSERT_TRUE(ModuleIconToPng(files, exe, 0, first)) << program;
    EXPECT_EQ(Load(first).size(), QSize(256, 256)) << program;

    const auto bytes = test::ReadBytes(exe);
    const auto pe = readers::PeResources::Parse(bytes);
    ASSERT_TRUE(pe.has_value());
    const auto groups = pe->Names(14);
    ASSERT_FALSE(groups.empty());
    if (groups[0].id) {
      const std::string byId = dir / "by-id.png";
      ASSERT_TRUE(ModuleIconToPng(files, exe, -static_cast<int>(*groups[0].id), byId)) << program;
      EXPECT_EQ(test::ReadBytes(byId), test::ReadBytes(first)) << program;
    }
    for (std::size_t i = 1; i < groups.size(); ++i) {
      EXPECT_TRUE(ModuleIconToPng(files, exe, static_cast<int>(i), dir / "other.png"))
          << program << i;
    }
  }
}

TEST_F(IconExtractionTest, NothingUsableLeavesTheOldPictureInPlace) {
  const std::string png = dir / "item.png";
  test::WriteText(png, "old picture");
  test::WriteText(dir / "not-a-program.exe", "MZ but nothing else");
  EXPECT_FALSE(ModuleIconToPng(files, dir / "not-a-program.exe", 0, png));
  EXPECT_FALSE(ModuleIconToPng(files, test::SamplePath("pe/winemine.exe"), 99, png));
  EXPECT_FALSE(ModuleIconToPng(files, dir / "missing.exe", 0, png));
  EXPECT_EQ(IconFileToPng(files, dir / "not-a-program.exe", png).Error(),
            (dir / "not-a-program.exe") + " is not an icon file with a usable picture");
  EXPECT_EQ(IconFileToPng(files, dir / "missing.ico", png).Error(),
            "cannot read " + (dir / "missing.ico"));
  EXPECT_EQ(ImageFileToPng(files, dir / "not-a-program.exe", png, false, 0, 0).Error(),
            "cannot read " + (dir / "not-a-program.exe") + " as a picture");
  EXPECT_EQ(test::ReadText(png), "old picture");
}

class OneShellIcon final : public ShellIcons {
 public:
  QImage ThemeIcon(const std::string&, int) override { return {}; }
  QImage IconFor(const std::string& path, int size) override {
    if (!std::filesystem::exists(path)) return {};
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    return icon;
  }
};

TEST_F(IconExtractionTest, ItemPicturesFollowTheirSourceKind) {
  OneShellIcon shell;
  FixedText<255> field;
  field = "  " + (dir / "item.png") + " ";
  const LinkIcon link{dir / "missing-icon.exe", 0, test::SamplePath("pe/notepad.exe")};
  EXPECT_TRUE(MakeItemPicture(files, kPictureOfLink, "", 0, field, link, shell));
  EXPECT_EQ(field.Get(), dir / "item.png");
  EXPECT_EQ(Load(dir / "item.png").size(), QSize(256, 256));  // from the link's target

  EXPECT_TRUE(MakeItemPicture(files, kPictureOfShell, dir.path(), 0, field, {}, shell));
  EXPECT_EQ(Load(dir / "item.png").pixel(5, 5), qRgba(0, 0, 255, 255));
  EXPECT_EQ(
      MakeItemPicture(files, kPictureOfShell, dir / "nothing-here", 0, field, {}, shell).Error(),
      "the desktop has no icon for " + (dir / "nothing-here"));
  EXPECT_TRUE(MakeItemPicture(files, kPictureOfModule, test::SamplePath("pe/winemine.exe"), 0,
                              field, {}, shell));
}

TEST_F(IconExtractionTest, AGoodPictureThatCannotBeStoredSaysWhere) {
  const std::string nowhere = dir / "no-such-folder/item.png";
  EXPECT_EQ(IconFileToPng(files, test::SamplePath("ico/idle.ico"), nowhere).Error(),
            "cannot write " + nowhere);
  OneShellIcon shell;
  FixedText<255> field;
  field = nowhere;
  EXPECT_EQ(MakeItemPicture(files, kPictureOfShell, dir.path(), 0, field, {}, shell).Error(),
            "cannot write " + nowhere);
}

}  // namespace
}  // namespace qav

namespace qav {
namespace {

TEST(QtShellIcons, FilesAndFoldersGetTheIconOfTheirType) {
  platform::CreatePlatform()->EnsureIconTheme();
  if (QIcon::themeName().isEmpty()) GTEST_SKIP() << "no icon theme installed";
  test::TempDir dir;
  test::WriteText(dir / "notes.txt", "text");
  QtShellIcons shell;
  EXPECT_EQ(shell.IconFor(dir.path(), 64).size(), QSize(64, 64));
  EXPECT_FALSE(shell.IconFor(dir / "notes.txt", 32).isNull());
  EXPECT_TRUE(shell.IconFor(dir / "missing", 32).isNull());
}

}  // namespace
}  // namespace qav
