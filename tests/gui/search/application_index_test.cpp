// The applications search offers are read off the user-interface thread and read again when an
// applications folder changes, one that did not exist at the start included.

#include "gui/search/application_index.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "support/temp_dir.h"

namespace qav {
namespace {

void WriteEntry(const std::string& path, const std::string& name) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  test::WriteText(path, "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=true\n");
}

std::vector<std::string> Titles(const ApplicationIndex& index) {
  std::vector<std::string> titles;
  for (const search::Candidate& c : *index.Applications()) titles.push_back(c.title);
  return titles;
}

TEST(ApplicationIndex, ReadsAwayFromTheUiThreadAndAgainWhenTheFoldersChange) {
  const test::TempDir dir;
  const std::string user = dir / "home/applications";  // made only later
  const std::string system = dir / "usr/applications";
  WriteEntry(system + "/calculator.desktop", "Calculator");
  int updates = 0;
  ApplicationIndex index({{user, system}, "C", "", "/usr/bin:/bin"}, [&] { ++updates; });
  EXPECT_TRUE(index.Applications()->empty());

  index.Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return updates == 1; }, 5000));
  EXPECT_EQ(Titles(index), std::vector<std::string>{"Calculator"});

  WriteEntry(system + "/editor.desktop", "Editor");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Titles(index).size() == 2; }, 5000));

  WriteEntry(user + "/notes.desktop", "Notes");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Titles(index).size() == 3; }, 5000));
  EXPECT_EQ(Titles(index), (std::vector<std::string>{"Calculator", "Editor", "Notes"}));

  std::filesystem::remove(system + "/editor.desktop");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Titles(index).size() == 2; }, 5000));
}

TEST(ApplicationIndex, GoingAwayWhileReadingIsSafe) {
  const test::TempDir dir;
  for (int i = 0; i < 200; ++i) {
    WriteEntry(dir / ("apps/app" + std::to_string(i) + ".desktop"), "App " + std::to_string(i));
  }
  bool called = false;
  {
    ApplicationIndex index({{dir / "apps"}, "C", "", ""}, [&] { called = true; });
    index.Start();
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(called) << "nothing is delivered to an index that is gone";
}

}  // namespace
}  // namespace qav
