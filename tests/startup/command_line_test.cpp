#include "startup/gui/command_line.h"

#include <gtest/gtest.h>

#include <QDir>

#include "startup/remote_request.h"

namespace qav {
namespace {

CommandLine Parse(QStringList arguments) {
  arguments.prepend("qav-launcher");
  return ParseCommandLine(arguments);
}

TEST(CommandLine, NoOptionStartsOrRaisesTheDock) {
  const CommandLine command = Parse({});
  EXPECT_FALSE(command.status);
  EXPECT_FALSE(command.request);
}

TEST(CommandLine, EveryActionBecomesItsRequest) {
  const std::vector<std::pair<QString, RemoteVerb>> actions{
      {"--show", RemoteVerb::kShow},
      {"--keyboard", RemoteVerb::kKeyboard},
      {"--switch", RemoteVerb::kSwitch},
      {"--minimize", RemoteVerb::kMinimize},
      {"--settings", RemoteVerb::kSettings},
      {"--about", RemoteVerb::kAbout},
      {"--quit", RemoteVerb::kQuit},
      {"--reset-settings", RemoteVerb::kResetSettings},
      {"--reset-shortcuts", RemoteVerb::kResetShortcuts}};
  for (const auto& [option, verb] : actions) {
    const CommandLine command = Parse({option});
    ASSERT_TRUE(command.request) << option.toStdString();
    EXPECT_EQ(command.request->verb, verb);
    EXPECT_TRUE(command.request->argument.empty());
  }
}

TEST(CommandLine, FileOptionsCarryAnAbsoluteFile) {
  const std::vector<std::pair<QString, RemoteVerb>> operations{
      {"--backup-config", RemoteVerb::kBackupConfig},
      {"--restore-config", RemoteVerb::kRestoreConfig},
      {"--backup-icons", RemoteVerb::kBackupIcons},
      {"--restore-icons", RemoteVerb::kRestoreIcons}};
  for (const auto& [option, verb] : operations) {
    const CommandLine command = Parse({option, "my backup.bak"});
    ASSERT_TRUE(command.request) << option.toStdString();
    EXPECT_EQ(command.request->verb, verb);
    EXPECT_EQ(
        command.request->argument,
        QDir::toNativeSeparators(QDir::current().absoluteFilePath("my backup.bak")).toStdString());
  }
  const QString absolute = QDir::toNativeSeparators(QDir::rootPath() + "tmp/x.bak");
  EXPECT_EQ(Parse({"--backup-icons=" + absolute}).request->argument, absolute.toStdString());
}

TEST(CommandLine, HelpAndVersionAnswerAtOnce) {
  const CommandLine help = Parse({"--help"});
  ASSERT_TRUE(help.status);
  EXPECT_EQ(*help.status, 0);
  for (const char* option : {"--keyboard", "--backup-icons <file>", "--reset-shortcuts"}) {
    EXPECT_NE(help.text.find(option), std::string::npos) << option;
  }
  const CommandLine version = Parse({"--version"});
  ASSERT_TRUE(version.status);
  EXPECT_EQ(*version.status, 0);
  EXPECT_FALSE(version.text.empty());
}

TEST(CommandLine, BadCommandLinesEndWithAnErrorAndDoNothing) {
  const std::vector<QStringList> bad{{"--frobnicate"},
                                     {"--backup-config"},
                                     {"--backup-config", ""},
                                     {"--show", "--quit"},
                                     {"--backup-icons", "a", "--backup-icons", "b"},
                                     {"stray"}};
  for (const QStringList& arguments : bad) {
    const CommandLine command = Parse(arguments);
    ASSERT_TRUE(command.status) << arguments.join(' ').toStdString();
    EXPECT_NE(*command.status, 0);
    EXPECT_FALSE(command.text.empty());
    EXPECT_FALSE(command.request);
  }
}

}  // namespace
}  // namespace qav
