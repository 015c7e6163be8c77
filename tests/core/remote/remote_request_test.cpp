#include "core/remote/remote_request.h"

#include <gtest/gtest.h>

#include "core/operations/remote_operations.h"
#include "core/operations/startup_fixture.h"
#include "support/fake_system.h"

namespace qav {
namespace {

TEST(RemoteRequest, EveryVerbTravelsAndComesBackTheSame) {
  for (int v = 0; v <= static_cast<int>(RemoteVerb::kResetShortcuts); ++v) {
    const auto verb = static_cast<RemoteVerb>(v);
    const RemoteRequest request{verb, VerbTakesFile(verb) ? "/home/u/a b.bak" : ""};
    const std::string line = EncodeRequest(request);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(DecodeRequest(line), request) << line;
  }
  EXPECT_EQ(EncodeRequest({RemoteVerb::kBackupIcons, "/tmp/a\nQAV1 quit"}), "");
  for (const std::string text : {"fire fox", "-x", ""}) {
    EXPECT_EQ(DecodeRequest(EncodeRequest({RemoteVerb::kSearch, text})),
              (RemoteRequest{RemoteVerb::kSearch, text}));
  }
  EXPECT_EQ(EncodeRequest({RemoteVerb::kSearch, "a\nQAV1 quit"}), "");
}

TEST(RemoteRequest, MalformedOrUnknownLinesAreRefused) {
  for (const char* line :
       {"", "QAV1", "QAV1 ", "QAV2 show", "qav1 show", "show", "QAV1 dance", "QAV1 show now",
        "QAV1 backup-icons", "QAV1 backup-icons ", "QAV1 quit\r", "QAV1 restore-icons /a\tb",
        "QAV1 search ", "QAV1 keyboard x"}) {
    EXPECT_FALSE(DecodeRequest(line)) << line;
  }
  EXPECT_FALSE(DecodeRequest("QAV1 backup-icons /" + std::string(kRemoteLineLimit, 'a')));
}

TEST(RemoteRequest, AnswersKeepOneLineAndAFailureItsReason) {
  EXPECT_EQ(DecodeAnswer(EncodeAnswer({true, "Done", {}})), (RemoteAnswer{true, "Done", {}}));
  EXPECT_EQ(EncodeAnswer({false, "two\nlines", {}}), "ERR two lines");
  const RemoteAnswer failed{false, "Restore failed!", "no such\tfile:\n/a b"};
  EXPECT_EQ(EncodeAnswer(failed), "ERR Restore failed!\tno such file: /a b");
  EXPECT_EQ(DecodeAnswer(EncodeAnswer(failed)),
            (RemoteAnswer{false, "Restore failed!", "no such file: /a b"}));
  EXPECT_FALSE(DecodeAnswer("MAYBE so"));
}

class FakeDock final : public RemoteDock {
 public:
  void Show() override { calls += "show;"; }
  void Keyboard() override { calls += "keyboard;"; }
  void Search(const std::string&) override { calls += "search;"; }
  void Switch() override { calls += "switch;"; }
  void Minimize() override { calls += "minimize;"; }
  void OpenSettings() override { calls += "settings;"; }
  void ShowAbout() override { calls += "about;"; }
  void Quit() override { calls += "quit;"; }
  RemoteAnswer RunData(const RemoteRequest& request) override {
    calls += std::string(VerbName(request.verb)) + "(" + request.argument + ");";
    return {false, "Restore all shortcuts & icons failed!", {}};
  }
  std::string calls;
};

TEST(RemoteRequest, EachRequestReachesItsOwnDockAction) {
  for (int v = 0; v <= static_cast<int>(RemoteVerb::kResetShortcuts); ++v) {
    const auto verb = static_cast<RemoteVerb>(v);
    FakeDock dock;
    const std::string file = VerbTakesFile(verb) ? "/f" : "";
    AnswerRequestLine(EncodeRequest({verb, file}), dock);
    const std::string expected = IsDataOperation(verb)
                                     ? std::string(VerbName(verb)) + "(" + file + ");"
                                     : std::string(VerbName(verb)) + ";";
    EXPECT_EQ(dock.calls, expected);
  }
}

TEST(RemoteRequest, CommandLineAnswersSayYesAndKeepWhatWasTold) {
  CommandLineAnswers told;
  EXPECT_EQ(told.Show({"Replace?", "c", platform::MessageIcon::kQuestion,
                       platform::MessageButtons::kYesNo, true}),
            platform::MessageAnswer::kYes);
  told.Show({"Backup failed! ", "c", platform::MessageIcon::kExclamation});
  EXPECT_EQ(told.LastTold(), "Backup failed!");
}

TEST(RemoteRequest, DataOperationsReplaceTheNamedFileAndReportFailureAsAnError) {
  test::StartupFixture f;
  CommandLineAnswers told;
  platform::Platform platform{f.registry, f.folders,  f.system,  f.files, told,     f.process,
                              f.desktop,  f.launcher, f.actions, f.trash, f.volumes};
  BackupFlowContext context{f.state, platform, [](const ReloadOptions&) {}, {}, {}, {}};
  const std::string target = f.home / "cfg.bak";
  test::WriteBytes(target, {'o', 'l', 'd'});
  const RemoteAnswer done = RunDataOperation({RemoteVerb::kBackupConfig, target}, context, told);
  EXPECT_EQ(done, (RemoteAnswer{true, "Backup Configuration File Successfully!", {}}));
  EXPECT_EQ(test::ReadBytes(target).size(), kSettingsFileSize);

  // The program's own text, and on its own line why.
  const std::string none = f.home / "none.bak";
  const std::string small = f.home / "small.bak";
  test::WriteBytes(small, {'o', 'l', 'd'});
  const std::string noFolder = f.home / "gone/x.bak";
  const std::vector<std::pair<RemoteRequest, RemoteAnswer>> failures{
      {{RemoteVerb::kRestoreConfig, none},
       {false, "Restore Configuration failed!", "no such file: " + none}},
      {{RemoteVerb::kRestoreConfig, small},
       {false, "Restore Configuration failed!",
        small +
            " is no configuration backup of this program: it holds 3 bytes, a settings "
            "file " +
            std::to_string(kSettingsFileSize)}},
      {{RemoteVerb::kRestoreConfig, f.home.path()},
       {false, "Restore Configuration failed!", f.home.path() + " is a folder, not a file"}},
      {{RemoteVerb::kRestoreIcons, none},
       {false, "Restore all shortcuts & icons failed!", "no such file: " + none}},
      {{RemoteVerb::kBackupConfig, noFolder},
       {false, "Backup Configuration File failed!",
        "the folder " + test::Native(f.home.path() + "/gone") + " does not exist"}},
      {{RemoteVerb::kBackupIcons, small + "/x.bak"},
       {false, "Backup all shortcuts & icons failed!", small + " is not a folder"}},
  };
  for (const auto& [request, expected] : failures) {
    EXPECT_EQ(RunDataOperation(request, context, told), expected) << request.argument;
  }
  // Whatever the store finds wrong with a file that is no backup comes with the failure.
  const RemoteAnswer wrong = RunDataOperation({RemoteVerb::kRestoreIcons, small}, context, told);
  EXPECT_EQ(wrong.text, "Restore all shortcuts & icons failed!");
  EXPECT_FALSE(wrong.reason.empty());
}

}  // namespace
}  // namespace qav
