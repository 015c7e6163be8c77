#include "core/environment/paths.h"
#include "core/environment/messages_locale.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fake/fake_platform.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

TEST(InitPaths, LaysOutTheDataFolderUnderApplicationDataAndCreatesIt) {
  test::TempDir home;
  platform::fake::FakeShellFolders folders;
  folders.folders[kCsidlAppData] = home / "fresh/.local/share";  // not there yet
  folders.folders[kCsidlDesktop] = home / "Desktop/";
  platform::fake::FakeSystemInfo system;
  system.executable = test::Native("/opt/qav/bin/qav-launcher");

  const Paths p = InitPaths(folders, system);

  const std::string data = home / "fresh/.local/share/Brevona/QAV Launcher/";
  EXPECT_EQ(p.DataFolder, data);
  EXPECT_EQ(p.IconStore, data + test::Native("QavIcons/"));
  EXPECT_EQ(p.SettingsFile, data + "QAVCfg.cfg");
  EXPECT_EQ(p.SettingsBackup(), data + "QAVCfg.cfg.bak");
  EXPECT_EQ(p.MenuFile, data + "QAVMenu.cfg");
  EXPECT_EQ(p.UserIconFile, data + test::Native("QavIcons/User Icon.ico"));
  EXPECT_EQ(p.AppFolder, test::Native("/opt/qav/bin/"));
  EXPECT_EQ(p.SysIconsFolder, test::Native("/opt/qav/bin/SysIcons/"));
  EXPECT_EQ(p.DesktopFolder, home / "Desktop/");  // no doubled separator
  EXPECT_EQ(p.Favorites, "");                     // unknown here: left empty
  EXPECT_TRUE(std::filesystem::is_directory(p.IconStore));
}

// Where an installation puts the dock program: on Linux out of the search path, beside the small
// client's binaries folder; on Windows with the binaries.
#ifdef _WIN32
constexpr const char* kDockFolder = "bin/";
#else
constexpr const char* kDockFolder = "libexec/qav-launcher/";
#endif

TEST(SysIconsFolderFor, FindsThePicturesOfABuildTreeAndOfAnInstallation) {
  test::TempDir root;
  const std::string bin = root / (std::string("usr/") + kDockFolder);
  const std::string installed = root / "usr/share/qav-launcher/SysIcons/";
  std::filesystem::create_directories(bin);

  EXPECT_EQ(SysIconsFolderFor(bin),
            bin + test::Native("SysIcons/"));  // neither: the missing folder is named

  std::filesystem::create_directories(installed);
  EXPECT_EQ(SysIconsFolderFor(bin), installed);  // written without "../"

  std::filesystem::create_directories(bin + "SysIcons");
  EXPECT_EQ(SysIconsFolderFor(bin),
            bin + test::Native("SysIcons/"));  // a copy beside the program wins
}

TEST(SysIconsFolderFor, TakesOnlyAFolder) {
  test::TempDir root;
  const std::string bin = root / kDockFolder;
  std::filesystem::create_directories(root / "share/qav-launcher/SysIcons");
  std::filesystem::create_directories(bin);
  test::WriteText(bin + "SysIcons", "not a folder");
  EXPECT_EQ(SysIconsFolderFor(bin), root / "share/qav-launcher/SysIcons/");
}

// POSIX's order: a setting for everything, then one for messages, then the general one.
TEST(MessagesLocale, LcAllThenLcMessagesThenLang) {
  platform::fake::FakeSystemInfo system;
  EXPECT_EQ(MessagesLocale(system), "");
  system.environment["LANG"] = "fr_FR.UTF-8";
  EXPECT_EQ(MessagesLocale(system), "fr_FR.UTF-8");
  system.environment["LC_MESSAGES"] = "de_DE.UTF-8";
  EXPECT_EQ(MessagesLocale(system), "de_DE.UTF-8");
  system.environment["LC_ALL"] = "";  // set but empty: not a choice
  EXPECT_EQ(MessagesLocale(system), "de_DE.UTF-8");
  system.environment["LC_ALL"] = "sr_RS@latin";
  EXPECT_EQ(MessagesLocale(system), "sr_RS@latin");
}

// The program's own English needs no translation; every other language is looked up without its
// character set and variant.
TEST(TranslationLanguage, NoneForThePortableLocaleAndEnglish) {
  for (const char* english : {"", "C", "C.UTF-8", "POSIX", "en", "en_US.UTF-8", "en_GB@euro"}) {
    EXPECT_EQ(TranslationLanguage(english), "") << english;
  }
  EXPECT_EQ(TranslationLanguage("de_DE.UTF-8"), "de_DE");
  EXPECT_EQ(TranslationLanguage("de_AT.ISO-8859-1@euro"), "de_AT");
  EXPECT_EQ(TranslationLanguage("sr_RS@latin"), "sr_RS");
  EXPECT_EQ(TranslationLanguage("fr"), "fr");
}

}  // namespace
}  // namespace qav
