#include "platform/linux/autostart_entry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace qav::platform {
namespace {

std::string ExecLine(const std::string& entryText) {
  const auto start = entryText.find("\nExec=") + 1;
  return entryText.substr(start, entryText.find('\n', start) - start);
}

TEST(AutostartEntry, WritesADesktopEntryForTheSession) {
  test::TempDir dir;
  const std::string entry = dir / "config/autostart/qav-launcher.desktop";
  ASSERT_TRUE(WriteAutostartEntry(entry, "/opt/qav/qav-launcher"));
  EXPECT_EQ(test::ReadText(entry),
            "[Desktop Entry]\nType=Application\nName=QAV Launcher\n"
            "Comment=Ring-shaped application launcher\nExec=/opt/qav/qav-launcher\n"
            "TryExec=/opt/qav/qav-launcher\nIcon=" QAV_APP_ID
            "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
  EXPECT_EQ(ReadAutostartProgram(entry), "/opt/qav/qav-launcher");
  EXPECT_FALSE(std::filesystem::exists(entry + ".tmp"));
}

TEST(AutostartEntry, ExecQuotingRoundTripsAwkwardPaths) {
  test::TempDir dir;
  const std::string entry = dir / "qav-launcher.desktop";
  // Each path with the Exec line it must be written as.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/home/ann/My Apps/qav", R"(Exec="/home/ann/My Apps/qav")"},
      {R"(/opt/a\b)", R"(Exec="/opt/a\\\\b")"},
      {R"(/opt/"q"/$HOME/`x`)", R"(Exec="/opt/\\"q\\"/\\$HOME/\\`x\\`")"},
      {"/opt/100%/%U", "Exec=/opt/100%%/%%U"},
      {"/opt/it's (new) #1 & more;*?|<>~", R"(Exec="/opt/it's (new) #1 & more;*?|<>~")"},
      {"/opt/line\nbreak\ttab\rcr", R"(Exec="/opt/line\nbreak\ttab\rcr")"},
      {"/opt/Übung/日本/🚀 %%", R"(Exec="/opt/Übung/日本/🚀 %%%%")"},
  };
  for (const auto& [path, exec] : cases) {
    ASSERT_TRUE(WriteAutostartEntry(entry, path)) << path;
    EXPECT_EQ(ExecLine(test::ReadText(entry)), exec);
    EXPECT_EQ(ReadAutostartProgram(entry), path);
  }
}

TEST(AutostartEntry, RefusesPathsADesktopFileCannotCarry) {
  test::TempDir dir;
  const std::string entry = dir / "qav-launcher.desktop";
  EXPECT_FALSE(WriteAutostartEntry(entry, ""));
  EXPECT_FALSE(WriteAutostartEntry(entry, "/opt/bell\a"));
  EXPECT_FALSE(WriteAutostartEntry(entry, "/opt/latin1-\xe9"));
  EXPECT_FALSE(std::filesystem::exists(entry));
  test::WriteText(dir / "file", "");
  EXPECT_FALSE(WriteAutostartEntry(dir / "file/qav-launcher.desktop", "/opt/qav"));
}

TEST(AutostartEntry, ReadsForeignEntriesAsTheSessionWould) {
  test::TempDir dir;
  const std::string entry = dir / "x.desktop";
  const auto programOf = [&](const std::string& text) {
    test::WriteText(entry, text);
    return ReadAutostartProgram(entry);
  };
  EXPECT_EQ(programOf("[Desktop Entry]\nExec=\"/opt/My App/run\" --tray %U\n"), "/opt/My App/run");
  EXPECT_EQ(programOf("# c\n[Desktop Entry]\nName=A\nExec = %f /usr/bin/app\\s%F\n"),
            "/usr/bin/app");
  EXPECT_EQ(programOf("[Desktop Entry]\nExec='/opt/single quoted' x\n"), "/opt/single quoted");
  EXPECT_EQ(programOf("[Desktop Entry]\nExec=/usr/bin/app\nHidden=true\n"), std::nullopt);
  EXPECT_EQ(programOf("[Desktop Entry]\nExec=/usr/bin/app\nX-GNOME-Autostart-enabled=false\n"),
            std::nullopt);
  EXPECT_EQ(programOf("[Desktop Entry]\nName=No exec\n[Desktop Action x]\nExec=/usr/bin/app\n"),
            std::nullopt);
  EXPECT_EQ(programOf("Exec=/outside/any/group\n"), std::nullopt);
  EXPECT_EQ(programOf("[Desktop Entry]\nExec=%U\n"), std::nullopt);
  EXPECT_EQ(ReadAutostartProgram(dir / "missing.desktop"), std::nullopt);
}

TEST(AutostartEntry, RemoveSucceedsWhenNothingIsLeft) {
  test::TempDir dir;
  const std::string entry = dir / "qav-launcher.desktop";
  ASSERT_TRUE(WriteAutostartEntry(entry, "/opt/qav"));
  EXPECT_TRUE(RemoveAutostartEntry(entry));
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_TRUE(RemoveAutostartEntry(entry));
}

}  // namespace
}  // namespace qav::platform
