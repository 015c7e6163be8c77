#include "core/remote/command_options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/utf8_path.h"

namespace qav {
namespace {

using Words = std::vector<std::string>;

CommandLine Parse(const Words& arguments) {
  return ParseArguments(arguments);
}

std::string InCurrentFolder(const std::string& name) {
  return platform::Utf8FromPath(
      (std::filesystem::current_path() / platform::PathFromUtf8(name)).make_preferred());
}

TEST(CommandLine, NoOptionStartsOrRaisesTheDock) {
  const CommandLine command = Parse({});
  EXPECT_FALSE(command.status);
  EXPECT_FALSE(command.request);
}

TEST(CommandLine, EveryActionBecomesItsRequest) {
  const std::vector<std::pair<std::string, RemoteVerb>> actions{
      {"--show", RemoteVerb::kShow},
      {"--keyboard", RemoteVerb::kKeyboard},
      {"--search", RemoteVerb::kSearch},
      {"--switch", RemoteVerb::kSwitch},
      {"--minimize", RemoteVerb::kMinimize},
      {"--settings", RemoteVerb::kSettings},
      {"--about", RemoteVerb::kAbout},
      {"--quit", RemoteVerb::kQuit},
      {"--reset-settings", RemoteVerb::kResetSettings},
      {"--reset-shortcuts", RemoteVerb::kResetShortcuts}};
  for (const auto& [option, verb] : actions) {
    const CommandLine command = Parse({option});
    ASSERT_TRUE(command.request) << option;
    EXPECT_EQ(command.request->verb, verb);
    EXPECT_TRUE(command.request->argument.empty());
  }
}

TEST(CommandLine, FileOptionsCarryAnAbsoluteFile) {
  const std::vector<std::pair<std::string, RemoteVerb>> operations{
      {"--backup-config", RemoteVerb::kBackupConfig},
      {"--restore-config", RemoteVerb::kRestoreConfig},
      {"--backup-icons", RemoteVerb::kBackupIcons},
      {"--restore-icons", RemoteVerb::kRestoreIcons}};
  for (const auto& [option, verb] : operations) {
    const CommandLine command = Parse({option, "my backup.bak"});
    ASSERT_TRUE(command.request) << option;
    EXPECT_EQ(command.request->verb, verb);
    EXPECT_EQ(command.request->argument, InCurrentFolder("my backup.bak"));
  }
  const std::string absolute = InCurrentFolder("x.bak");
  EXPECT_EQ(Parse({"--backup-icons=" + absolute}).request->argument, absolute);
}

// The search's text is the next word unless that is an option; with "=" it may be anything.
TEST(CommandLine, TheSearchCarriesItsTextIfGiven) {
  EXPECT_EQ(Parse({"--search", "fire fox"}).request,
            (RemoteRequest{RemoteVerb::kSearch, "fire fox"}));
  EXPECT_EQ(Parse({"--search=-x"}).request, (RemoteRequest{RemoteVerb::kSearch, "-x"}));
  EXPECT_EQ(Parse({"--search", "-platform", "xcb"}).request,
            (RemoteRequest{RemoteVerb::kSearch, ""}));
  EXPECT_EQ(Parse({"--search", "a", "b"}).status, 2);
  EXPECT_NE(Parse({"--help"}).text.find("--search [text]"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionAnswerAtOnce) {
  const CommandLine help = Parse({"--help"});
  ASSERT_TRUE(help.status);
  EXPECT_EQ(*help.status, 0);
  for (const char* option : {"--keyboard", "--backup-icons <file>", "--reset-shortcuts"}) {
    EXPECT_NE(help.text.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(Parse({"--show", "-h"}).text, help.text) << "help wins wherever it stands";
  const CommandLine version = Parse({"--version"});
  ASSERT_TRUE(version.status);
  EXPECT_EQ(*version.status, 0);
  EXPECT_EQ(version.text, "QAV Launcher " + std::to_string(QAV_VERSION_MAJOR) + "." +
                              std::to_string(QAV_VERSION_MINOR) + "." +
                              std::to_string(QAV_VERSION_PATCH) + "\n");
}

// The toolkit's options reach the dock's toolkit; --help-all lists them beside the program's own.
TEST(CommandLine, TheToolkitsOptionsPassThroughAndHelpAllListsThem) {
  const CommandLine all = Parse({"--help-all"});
  ASSERT_TRUE(all.status);
  EXPECT_EQ(*all.status, 0);
  EXPECT_EQ(all.text.rfind(Parse({"--help"}).text, 0), 0u) << "it begins with the help";
  for (const char* option : {"-platform <name>", "-display <display>", "-reverse"}) {
    EXPECT_NE(all.text.find(option), std::string::npos) << option;
  }
  const CommandLine keyboard = Parse({"-platform", "offscreen", "--keyboard", "--reverse"});
  EXPECT_FALSE(keyboard.status);
  ASSERT_TRUE(keyboard.request);
  EXPECT_EQ(keyboard.request->verb, RemoteVerb::kKeyboard);
  EXPECT_FALSE(Parse({"-platform"}).request);
  EXPECT_NE(Parse({"-platform"}).status.value_or(0), 0);
}

TEST(CommandLine, BadCommandLinesEndWithAnErrorAndDoNothing) {
  const std::vector<Words> bad{{"--frobnicate"},
                               {"-x"},
                               {"--backup-config"},
                               {"--backup-config", ""},
                               {"--backup-config="},
                               {"--show=now"},
                               {"--show", "--quit"},
                               {"--backup-icons", "a", "--backup-icons", "b"},
                               {"stray"}};
  for (const Words& arguments : bad) {
    const CommandLine command = Parse(arguments);
    ASSERT_TRUE(command.status) << arguments.front();
    EXPECT_NE(*command.status, 0);
    EXPECT_FALSE(command.text.empty());
    EXPECT_FALSE(command.request);
  }
}

}  // namespace
}  // namespace qav
