// Internet shortcuts, desktop entries and the command lines both are turned into.

#include <gtest/gtest.h>

#include "formats/links/command_line.h"
#include "formats/links/desktop_entry.h"
#include "formats/links/internet_shortcut.h"
#include "support/samples.h"

namespace qav::readers {
namespace {

using test::ReadSample;

class SampleTexts : public ::testing::Test {};

TEST_F(SampleTexts, InternetShortcuts) {
  const auto homepage = ParseInternetShortcut(ReadSample("links/Homepage.url"));  // CR LF
  ASSERT_TRUE(homepage);
  EXPECT_EQ(homepage->url, "http://happysolver.sourceforge.net/");
  EXPECT_EQ(homepage->iconFile, "http://happysolver.sourceforge.net/favicon.ico");
  EXPECT_EQ(homepage->iconIndex, 1);
  const auto github = ParseInternetShortcut(ReadSample("links/GitHub.url"));  // LF, group last
  ASSERT_TRUE(github);
  EXPECT_EQ(github->url, "https://github.com/carlbennett/BNRBot");
  EXPECT_EQ(github->iconFile, "");

  const auto odd = ParseInternetShortcut(
      "[Other]\nURL=wrong\n[internetshortcut]\n url = http://a/\xE9 \nICONINDEX=-3\nUrl=late\n");
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->url, "http://a/é");  // not UTF-8: Windows-1252
  EXPECT_EQ(odd->iconIndex, -3);
  EXPECT_FALSE(ParseInternetShortcut("[InternetShortcut]\nIconFile=x.ico\nURL=\n"));
}

TEST_F(SampleTexts, DesktopEntriesOfRealPackages) {
  const auto vim = ParseDesktopEntry(ReadSample("desktop/vim.desktop"), "zh_CN.UTF-8");
  ASSERT_TRUE(vim);
  EXPECT_EQ(vim->name, "Vim");
  EXPECT_EQ(vim->type, "Application");
  EXPECT_EQ(vim->program, "vim");
  EXPECT_EQ(vim->arguments, "");  // %F dropped
  EXPECT_EQ(vim->icon, "gvim");
  EXPECT_TRUE(vim->terminal);
  EXPECT_FALSE(vim->hidden);

  const auto display = ParseDesktopEntry(ReadSample("desktop/display-im6.q16.desktop"), "fr_FR");
  ASSERT_TRUE(display);
  EXPECT_EQ(display->name, "ImageMagick (color depth=q16)");  // no French name: the default
  EXPECT_EQ(display->program, "/usr/bin/display-im6.q16");
  EXPECT_EQ(display->arguments, "-nostdin");
  EXPECT_EQ(display->icon, "display-im6.q16");

  const auto python = ParseDesktopEntry(ReadSample("desktop/python3.11.desktop"), "");
  ASSERT_TRUE(python);
  EXPECT_EQ(python->name, "Python (v3.11)");
  EXPECT_EQ(python->program, "/usr/bin/python3.11");
  EXPECT_EQ(python->icon, "/usr/share/pixmaps/python3.11.xpm");
  EXPECT_TRUE(python->noDisplay);
  EXPECT_FALSE(python->hidden);
  EXPECT_TRUE(python->terminal);
}

TEST(DesktopEntry, NameFollowsTheLocaleFallbackOrder) {
  const std::string text =
      "[Desktop Entry]\nType=Application\nName=plain\nName[sr]=sr\nName[sr@latin]=sr@latin\n"
      "Name[sr_RS]=sr_RS\nName[sr_RS@latin]=sr_RS@latin\n[Other]\nName[de]=other group\n";
  for (const auto& [locale, name] : {std::pair{"sr_RS.UTF-8@latin", "sr_RS@latin"},
                                     {"sr_RS", "sr_RS"},
                                     {"sr_ME@latin", "sr@latin"},
                                     {"sr_ME", "sr"},
                                     {"de_DE", "plain"},
                                     {"C", "plain"}}) {
    EXPECT_EQ(ParseDesktopEntry(text, locale)->name, name) << locale;
  }
  // What search matches besides the name follows the same order, a list of keywords included.
  const auto firefox = ParseDesktopEntry(
      "[Desktop Entry]\nName=Firefox\nGenericName=Web Browser\nGenericName[de]=Webbrowser\n"
      "Keywords=Internet;WWW;Browser;\nKeywords[de]=Internet;WWW;Surfen;\n",
      "de_AT.UTF-8");
  ASSERT_TRUE(firefox);
  EXPECT_EQ(firefox->genericName, "Webbrowser");
  EXPECT_EQ(firefox->keywords, (std::vector<std::string>{"Internet", "WWW", "Surfen"}));
  EXPECT_EQ(ParseDesktopEntry("[Desktop Entry]\nName=x\n", "de")->keywords.size(), 0u);
}

TEST(DesktopEntry, ExecQuotingEscapesAndFieldCodes) {
  const auto entry = ParseDesktopEntry(
      "[Desktop Entry]\nType=Application\n"
      R"(Exec="/opt/my app/run" --title="a \"b\" \\\\c" 100%% %U --x=%f 'single q' \$HOME %i)"
      "\nPath=/tmp/a\\sb\nHidden=true\n",
      "");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->program, "/opt/my app/run");
  EXPECT_EQ(SplitCommandLine(entry->arguments),
            (std::vector<std::string>{R"(--title=a "b" \c)", "100%", "--x=", "single q", "$HOME"}));
  EXPECT_EQ(entry->workingDir, "/tmp/a b");
  EXPECT_TRUE(entry->hidden);
}

// The one reader serves launching too: field codes filled in as the desktop fills them. (Which
// entries a menu lists is checked where the default groups are built from them.)
TEST(DesktopEntry, ExecExpansionAndFlags) {
  const auto entry = ParseDesktopEntry(
      "[Desktop Entry]\nType=Application\nName=Ed\nIcon=ed\n"
      "Exec=ed --name=%c %i --from=%k %F 100%%\nTerminal=true\nX-GNOME-Autostart-enabled=false\n",
      "");
  ASSERT_TRUE(entry);
  EXPECT_EQ(ExpandExec(*entry, "/a/ed.desktop", {"x y", "z"}),
            (std::vector<std::string>{"ed", "--name=Ed", "--icon", "ed", "--from=/a/ed.desktop",
                                      "x y", "z", "100%"}));
  EXPECT_TRUE(entry->terminal);
  EXPECT_FALSE(entry->autostartEnabled);
}

TEST(DesktopEntry, LinksAndMissingGroupOrType) {
  const auto link =
      ParseDesktopEntry("# c\n[Desktop Entry]\r\nType = Link\r\nURL=https://a.org/\r\n", "");
  ASSERT_TRUE(link);
  EXPECT_EQ(link->type, "Link");
  EXPECT_EQ(link->url, "https://a.org/");
  EXPECT_EQ(ParseDesktopEntry("[Desktop Entry]\nName=x\nExec=x\n", "")->type, "");
  EXPECT_FALSE(ParseDesktopEntry("[Desktop Action new]\nType=Application\n", ""));
}

TEST(CommandLine, QuotedWordsSplitBackIntoTheSameWords) {
  const std::vector<std::string> words = {
      "plain", "", "two words", R"(say "hi")", R"(C:\dir\)", R"(C:\my dir\)", R"(a\\"b)", "\t"};
  EXPECT_EQ(JoinCommandLine(std::vector<std::string>{"a", "b c"}), R"(a "b c")");
  EXPECT_EQ(SplitCommandLine(JoinCommandLine(words)), words);
  EXPECT_EQ(SplitCommandLine(R"(  a\\b  "c d"e \"f\" "g""h" )"),
            (std::vector<std::string>{R"(a\\b)", "c de", R"("f")", R"(g"h)"}));
}

}  // namespace
}  // namespace qav::readers
