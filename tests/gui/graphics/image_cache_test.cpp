#include "gui/graphics/image_cache.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <QFile>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gui/graphics/imaging.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

class FakeShellIcons final : public ShellIcons {
 public:
  QImage ThemeIcon(const std::string&, int) override { return {}; }
  QImage IconFor(const std::string& path, int size) override {
    if (path != known) return {};
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::yellow);
    return icon;
  }
  std::string known = "/the/target";
};

class ImageCacheTest : public ::testing::Test {
 protected:
  ImageCacheTest() {
    state.paths.IconStore = dir.path() + "/QavIcons/";
    state.paths.SysIconsFolder = dir.path() + "/SysIcons/";
    std::filesystem::create_directories(state.paths.IconStore);
    std::filesystem::create_directories(state.paths.SysIconsFolder);
    state.imageSlots.Sizes = {0, 48, 64, 128, 32, 0, 0};
  }
  std::string Picture(const std::string& path, int size = 100) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(QString::fromStdString(path), "PNG");
    return path;
  }
  ShortcutRecord& Record(int r, int kind) {
    state.tables.Shortcuts[r].Kind = kind;
    state.tables.Shortcuts[r].ImageRow = r;
    return state.tables.Shortcuts[r];
  }
  const ImageRow& Row(int r) { return tables.Items[static_cast<std::size_t>(r)]; }

  test::TempDir dir;
  AppState state;
  ImageTables tables;
  FakeShellIcons shell;
  ImageCache cache{tables, state, shell};
};

TEST_F(ImageCacheTest, SlotsDependOnTheKind) {
  Record(5, kKindDockShortcut).IconFile = Picture(state.paths.IconStore + "5.png");
  Record(130, kKindMember).IconFile = Picture(state.paths.IconStore + "130.png");
  Record(66, kKindBuiltIn).IconFile = Picture(state.paths.IconStore + "66.png");
  Record(0, kKindUser).IconFile = Picture(state.paths.IconStore + "0.png");
  Record(50, 3).IconFile = Picture(state.paths.IconStore + "50.png");
  for (int r : {5, 130, 66, 0, 50}) cache.LoadItemImage(r);

  EXPECT_EQ(Row(5)[1].size(), QSize(48, 48));
  EXPECT_EQ(Row(5)[0].size(), QSize(100, 100));
  EXPECT_TRUE(Row(5)[4].isNull());
  EXPECT_EQ(Row(130)[4].size(), QSize(32, 32));
  EXPECT_TRUE(Row(130)[1].isNull());  // a member has no ring picture
  EXPECT_EQ(Row(66)[4].size(), QSize(32, 32));
  EXPECT_EQ(Row(0)[0].size(), QSize(128, 128));
  EXPECT_EQ(qAlpha(Row(0)[0].pixel(0, 0)), 0);  // a tile
  for (const QImage& slot : Row(50)) EXPECT_TRUE(slot.isNull());
}

TEST_F(ImageCacheTest, SourcesAreTriedInOrderThenTheFallbackRow) {
  ShortcutRecord& r = Record(7, kKindDockShortcut);
  r.CustomIcon = "  " + state.paths.IconStore + "gone.png";
  r.IconFile = Picture(state.paths.IconStore + "7.png", 60);
  cache.LoadItemImage(7);
  EXPECT_EQ(Row(7)[0].size(), QSize(60, 60));
  EXPECT_EQ(r.CustomIcon.Raw().rfind(state.paths.IconStore, 0), 0u);  // trimmed in place

  ShortcutRecord& viaShell = Record(8, kKindDockShortcut);
  viaShell.IconFile = state.paths.IconStore + "not-a-picture.png";
  test::WriteText(viaShell.IconFile.Get(), "this is text");
  viaShell.Target = "/the/target";
  cache.LoadItemImage(8);
  EXPECT_EQ(qRed(Row(8)[1].pixel(10, 10)), 255);
  EXPECT_EQ(qGreen(Row(8)[1].pixel(10, 10)), 255);  // yellow: the desktop's icon

  const int fallback[] = {40, 41, 39};
  for (std::uint8_t source = 0; source < 3; ++source) {
    ShortcutRecord& bare = Record(9 + source, kKindDockShortcut);
    bare.IconSource = source;
    cache.LoadItemImage(9 + source);
    EXPECT_EQ(bare.ImageRow, fallback[source]);
    EXPECT_TRUE(Row(9 + source)[1].isNull());
  }
  // The fallback rows serve members too, so they carry the small picture as well.
  Record(40, kKindComputer).IconFile = Picture(state.paths.SysIconsFolder + "Shortcut.png");
  cache.LoadItemImage(40);
  EXPECT_EQ(Row(40)[4].size(), QSize(32, 32));
  Record(12, kKindFree).IconSource = 1;
  cache.LoadItemImage(12);
  EXPECT_EQ(state.tables.Shortcuts[12].ImageRow, 12);  // a free record gets nothing
}

TEST_F(ImageCacheTest, DiscardDeletesOnlyThePicturesTheProgramMade) {
  ShortcutRecord& own = Record(20, kKindDockShortcut);
  own.IconFile = Picture(state.paths.IconStore + "20.png");
  own.CustomIcon = Picture(state.paths.IconStore + "custom.png");
  ShortcutRecord& shipped = Record(21, kKindDockShortcut);
  shipped.IconFile = Picture(state.paths.SysIconsFolder + "Folder.png");
  shipped.CustomIcon = Picture(dir.path() + "/my-own-photo.png");
  cache.LoadItemImage(20);
  cache.DiscardItem(20);
  cache.DiscardItem(21);
  namespace fs = std::filesystem;
  EXPECT_FALSE(fs::exists(state.paths.IconStore + "20.png"));
  EXPECT_FALSE(fs::exists(state.paths.IconStore + "custom.png"));
  EXPECT_TRUE(fs::exists(state.paths.SysIconsFolder + "Folder.png"));
  EXPECT_TRUE(fs::exists(dir.path() + "/my-own-photo.png"));
  EXPECT_EQ(state.tables.Shortcuts[20], ShortcutRecord{});
  for (const QImage& slot : Row(20)) EXPECT_TRUE(slot.isNull());
}

// A FIFO or a device named as a picture once hung every start; it is no picture.
TEST_F(ImageCacheTest, PicturesAreReadOnlyFromRegularFiles) {
#ifdef _WIN32
  // Windows has no FIFOs; its devices answer to reserved names such as NUL in every folder.
  const std::vector<std::string> notFiles = {dir.path() + "\\NUL", "NUL"};
#else
  const std::string fifo = dir.path() + "/fifo.png";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::vector<std::string> notFiles = {fifo, "/dev/zero"};
#endif
  for (const std::string& path : notFiles) {
    EXPECT_TRUE(LoadPictureFile(path).isNull()) << path;
    ShortcutRecord& r = Record(24, kKindDockShortcut);
    r.IconFile = path;
    r.IconSource = 2;
    cache.LoadItemImage(24);
    EXPECT_EQ(r.ImageRow, kFallbackFileRow) << path;
  }
  EXPECT_FALSE(LoadPictureFile(Picture(dir.path() + "/real.png")).isNull());
}

// Field values as a crafted menu file could carry them: each starts with the store's path.
TEST_F(ImageCacheTest, DiscardNeverReachesOutOfTheIconStore) {
  namespace fs = std::filesystem;
  const std::string& store = state.paths.IconStore;
  const std::string victim = Picture(dir.path() + "/victim.png");
  std::vector<std::pair<std::string, std::string>> fields = {
      {store + "../victim.png",
       store + "../../" + fs::path(dir.path()).filename().string() + "/victim.png"},
      {store + "linked/../victim.png", store + ".."},
  };
#ifndef _WIN32
  // Windows lets only privileged users make symbolic links, and Wine makes none.
  fs::create_directories(dir.path() + "/elsewhere");
  fs::create_directory_symlink(dir.path() + "/elsewhere", store + "linked");
  const std::string behindLink = Picture(dir.path() + "/elsewhere/7.png");
  fs::create_symlink(victim, store + "8.png");
  fields.emplace_back(store + "linked/7.png", store + "8.png");
#endif
  for (const auto& [iconFile, customIcon] : fields) {
    ShortcutRecord& r = Record(22, kKindDockShortcut);
    r.IconFile = iconFile;
    r.CustomIcon = customIcon;
    cache.DiscardItem(22);
    Record(23, kKindDockShortcut).CustomIcon = customIcon;
    cache.DropCustomIcon(23);
  }
  EXPECT_TRUE(fs::exists(victim));
#ifndef _WIN32
  EXPECT_TRUE(fs::exists(behindLink));
  EXPECT_TRUE(fs::is_symlink(store + "8.png"));
#endif
}

TEST_F(ImageCacheTest, SizeChangesRebuildTheFirstSixtyFourRows) {
  Record(30, kKindDockShortcut).IconFile = Picture(state.paths.IconStore + "30.png");
  Record(70, kKindComputer).IconFile = Picture(state.paths.IconStore + "70.png");
  cache.LoadItemImage(30);
  cache.LoadItemImage(70);
  state.imageSlots.Sizes[1] = 56;
  cache.RebuildSizedImages(1);
  EXPECT_EQ(Row(30)[1].size(), QSize(56, 56));
  EXPECT_EQ(Row(70)[1].size(), QSize(48, 48));  // until it is reloaded
  cache.FreeAllImages();
  EXPECT_TRUE(Row(30)[0].isNull());
  EXPECT_TRUE(Row(30)[1].isNull());
}

TEST_F(ImageCacheTest, SkinComesFromTheProgramsOwnResources) {
  ScreenInfo info;
  info.fullScreenWidth = 1366;
  info.fullScreenHeight = 768;
  state.screen = ComputeScreenMetrics(info);
  cache.LoadSkinImages();
  const auto& skin = tables.Skin;
  EXPECT_EQ(skin[kSkinMenuSelect][1].size(), QSize(248, 38));
  EXPECT_EQ(skin[kSkinMenuUpSelect][1].size(), QSize(248, 25));
  EXPECT_EQ(skin[kSkinMenuSpace][1].size(), QSize(248, 5));
  EXPECT_EQ(skin[kSkinMenuBody][0].size(), QSize(268, 656));
  EXPECT_EQ(skin[kSkinMenuTop][1].size(), QSize(268, 12));
  EXPECT_EQ(skin[kSkinBorder][0].size(), QSize(190, 190));
  EXPECT_EQ(skin[kSkinAddIcon][1].size(), QSize(48, 48));
  EXPECT_EQ(skin[kSkinDelIcon][0].size(), QSize(640, 128));
  EXPECT_EQ(skin[kSkinBackSelectColor][0].size(), QSize(128, 128));
  EXPECT_EQ(skin[kSkinBackSelectColor][2].size(), QSize(64, 64));
  EXPECT_EQ(skin[kSkinBackSelectColor][4].size(), QSize(32, 32));
  EXPECT_EQ(Row(0)[0].size(), QSize(128, 128));  // the logo as the centre tile
  EXPECT_EQ(state.ring.Slots[0].MagLeft, 683 - 95);
  EXPECT_EQ(state.ring.Slots[0].LabelDY, 384 + 95);
}

// Places that name one of the program's own pictures share one decoded, scaled copy within a
// load; the next load reads the file again.
TEST_F(ImageCacheTest, OneFileIsDecodedOncePerLoadAndReadAgainByTheNext) {
  ScreenInfo info;
  info.fullScreenWidth = 1366;
  info.fullScreenHeight = 768;
  state.screen = ComputeScreenMetrics(info);
  const std::string shared = Picture(state.paths.SysIconsFolder + "Shortcut.png");
  for (int r : {3, 4}) Record(r, kKindBlank).IconFile = shared;
  cache.LoadSkinImages();
  EXPECT_EQ(Row(3)[1].cacheKey(), Row(4)[1].cacheKey());
  EXPECT_EQ(Row(3)[0].cacheKey(), Row(4)[0].cacheKey());
  EXPECT_EQ(Row(4)[1].pixel(10, 10), qRgb(255, 0, 0));

  QImage green(100, 100, QImage::Format_ARGB32);
  green.fill(Qt::green);
  green.save(QString::fromStdString(shared), "PNG");
  cache.LoadSkinImages();
  EXPECT_EQ(Row(3)[1].pixel(10, 10), qRgb(0, 255, 0));
  cache.LoadItemImage(4);  // outside a load: read as it is now
  EXPECT_EQ(Row(4)[0].pixel(10, 10), qRgb(0, 255, 0));
}

// The user's picture is a PNG kept under an ".ico" name: it must come back at every start.
TEST_F(ImageCacheTest, UserPictureIsReadByContentWhateverItsName) {
  ScreenInfo info;
  info.fullScreenWidth = 1366;
  info.fullScreenHeight = 768;
  state.screen = ComputeScreenMetrics(info);
  ShortcutRecord& user = Record(0, kKindUser);
  user.IconFile = Picture(state.paths.IconStore + "User Icon.ico", 128);
  cache.LoadSkinImages();
  EXPECT_EQ(Row(0)[0].pixel(64, 64), qRgb(255, 0, 0));

  // A custom picture still comes first.
  QImage blue(20, 20, QImage::Format_ARGB32);
  blue.fill(Qt::blue);
  blue.save(QString::fromStdString(state.paths.IconStore + "mine.ico"), "PNG");
  user.CustomIcon = state.paths.IconStore + "mine.ico";
  cache.LoadSkinImages();
  EXPECT_EQ(Row(0)[0].pixel(64, 64), qRgb(0, 0, 255));
}

#ifdef __linux__
// Guessing a picture's kind loads every image plugin there is (SVG, GIF, ICO, JPEG and what they
// need): PNGs and the skin are read without that.
TEST_F(ImageCacheTest, PngsAreReadWithoutLoadingImagePlugins) {
  ScreenInfo info;
  info.fullScreenWidth = 1366;
  info.fullScreenHeight = 768;
  state.screen = ComputeScreenMetrics(info);
  const std::string copy = state.paths.IconStore + "User Icon.ico";
  ASSERT_TRUE(QFile::copy(":/skin/BORDER.png", QString::fromStdString(copy)));
  Record(0, kKindUser).IconFile = copy;
  cache.LoadSkinImages();
  EXPECT_EQ(Row(0)[0].size(), QSize(128, 128));
  EXPECT_NE(qAlpha(Row(0)[0].pixel(2, 64)), 0);  // the border's ring, not the logo's
  std::ifstream maps("/proc/self/maps");
  const std::string mapped{std::istreambuf_iterator<char>(maps), {}};
  EXPECT_EQ(mapped.find("imageformats/"), std::string::npos);
}
#endif

// The start puts off what the dock's first frame does not show; once the put-off pictures are
// built, the pictures and the records (a member without a picture points at its fallback row, a
// change the menu file keeps) are exactly those of a start that built everything at once.
TEST_F(ImageCacheTest, PutOffPicturesEndAsAnEagerLoadWouldLeaveThem) {
  Record(5, kKindDockShortcut).IconFile = Picture(state.paths.IconStore + "5.png");
  Record(130, kKindMember).IconFile = Picture(state.paths.IconStore + "130.png", 40);
  Record(131, kKindMember).IconFile = state.paths.IconStore + "gone.png";
  state.tables.Shortcuts[131].IconSource = 1;
  Record(66, kKindBuiltIn).Target = "/the/target";
  AppState eagerState = state;
  ImageTables eager;
  ImageCache(eager, eagerState, shell).LoadSkinImages();

  cache.LoadSkinImages(true);
  EXPECT_FALSE(Row(5)[1].isNull());
  EXPECT_TRUE(Row(130)[4].isNull());
  EXPECT_EQ(state.tables.Shortcuts[131].ImageRow, 131);
  EXPECT_TRUE(tables.Skin[kSkinMenuSelect][1].isNull());
  cache.LoadPutOffPictures();
  EXPECT_EQ(state.tables.Shortcuts[131].ImageRow, kFallbackProgramRow);
  for (std::size_t r = 0; r < state.tables.Shortcuts.size(); ++r) {
    EXPECT_EQ(state.tables.Shortcuts[r].ImageRow, eagerState.tables.Shortcuts[r].ImageRow) << r;
  }
  for (const auto rows : {&ImageTables::Skin, &ImageTables::Items}) {
    for (std::size_t r = 0; r < (tables.*rows).size(); ++r) {
      for (std::size_t s = 0; s < kSlotsPerRow; ++s) {
        EXPECT_TRUE((tables.*rows)[r][s] == (eager.*rows)[r][s]) << r << " slot " << s;
      }
    }
  }
}

}  // namespace
}  // namespace qav
