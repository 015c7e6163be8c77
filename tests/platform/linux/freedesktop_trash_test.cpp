#include "platform/linux/freedesktop_trash.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace qav::platform {
namespace {

namespace fs = std::filesystem;

class TrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(trashDir + "/files");
    fs::create_directories(trashDir + "/info");
    fs::create_directories(dir / "outside");
    test::WriteText(dir / "outside/keep.txt", std::string(1000, 'k'));
  }
  test::TempDir dir;
  const std::string trashDir = dir / "Trash";
  FreedesktopTrash trash{trashDir};
};

TEST_F(TrashTest, QueryCountsItemsAndNestedBytesWithoutFollowingLinks) {
  EXPECT_EQ(trash.Query().items, 0U);
  test::WriteText(trashDir + "/files/a.txt", "0123456789");
  fs::create_directories(trashDir + "/files/folder/sub");
  test::WriteText(trashDir + "/files/folder/sub/b", "12345");
  test::WriteText(trashDir + "/files/folder/c", "123");
  fs::create_directory_symlink(dir / "outside", trashDir + "/files/folder/outside-link");
  fs::create_symlink(dir / "outside/keep.txt", trashDir + "/files/link");
  const TrashStatus status = trash.Query();
  EXPECT_EQ(status.items, 3U);
  EXPECT_EQ(status.bytes, 18U);
  EXPECT_EQ(FreedesktopTrash(dir / "none").Query().items, 0U);
}

TEST_F(TrashTest, EmptyDeletesOnlyInsideTheTrash) {
  fs::create_directories(trashDir + "/files/folder/sub");
  test::WriteText(trashDir + "/files/folder/sub/b", "x");
  fs::create_directory_symlink(dir / "outside", trashDir + "/files/folder/outside-link");
  fs::create_symlink(dir / "outside/keep.txt", trashDir + "/files/link");
  test::WriteText(trashDir + "/info/folder.trashinfo", "[Trash Info]\n");
  test::WriteText(trashDir + "/directorysizes", "1 2 folder\n");
  EXPECT_TRUE(trash.Empty());
  EXPECT_TRUE(fs::is_empty(trashDir + "/files"));
  EXPECT_TRUE(fs::is_empty(trashDir + "/info"));
  EXPECT_FALSE(fs::exists(trashDir + "/directorysizes"));
  EXPECT_EQ(test::ReadText(dir / "outside/keep.txt").size(), 1000U);
  EXPECT_EQ(trash.Query().items, 0U);

  // A "files" that is a link leads out of the trash: it is not emptied.
  fs::remove(trashDir + "/files");
  fs::create_directory_symlink(dir / "outside", trashDir + "/files");
  EXPECT_FALSE(trash.Empty());
  EXPECT_TRUE(fs::exists(dir / "outside/keep.txt"));
  EXPECT_FALSE(FreedesktopTrash("relative/Trash").Empty());
}

TEST_F(TrashTest, MoveToTrashWritesTrashInfoAndKeepsNamesApart) {
  fs::create_directories(dir / "a");
  fs::create_directories(dir / "b");
  test::WriteText(dir / "a/my doc%.txt", "first");
  test::WriteText(dir / "b/my doc%.txt", "second");
  ASSERT_TRUE(trash.MoveToTrash(dir / "a/my doc%.txt"));
  ASSERT_TRUE(trash.MoveToTrash(dir / "b/my doc%.txt"));
  EXPECT_FALSE(fs::exists(dir / "a/my doc%.txt"));
  EXPECT_EQ(test::ReadText(trashDir + "/files/my doc%.txt"), "first");
  EXPECT_EQ(test::ReadText(trashDir + "/files/my doc%.txt.2"), "second");
  const std::string info = test::ReadText(trashDir + "/info/my doc%.txt.trashinfo");
  EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + dir.path() + "/a/my%20doc%25.txt\n", 0), 0U) << info;
  EXPECT_NE(info.find("\nDeletionDate=20"), std::string::npos);
  EXPECT_EQ(trash.Query().items, 2U);

  EXPECT_FALSE(trash.MoveToTrash(dir / "missing"));
  EXPECT_FALSE(trash.MoveToTrash(trashDir + "/files/my doc%.txt"));
  EXPECT_FALSE(trash.MoveToTrash(dir.path() + "/"));  // the folder holding the trash
  EXPECT_TRUE(fs::exists(trashDir + "/files/my doc%.txt"));
}

}  // namespace
}  // namespace qav::platform
