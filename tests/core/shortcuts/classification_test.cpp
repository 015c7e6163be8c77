#include "core/shortcuts/classification.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>

#include "base/utf8_path.h"
#include "core/shortcuts/link_resolution.h"
#include "platform/files/program_files.h"
#include "shortcuts_fixture.h"
#include "support/samples.h"

namespace qav {
namespace {

class ClassificationTest : public ::testing::Test, protected test::ShortcutsFixture {
 protected:
  // Classifies into dock place 20 (blank, or replaced as if the user said Yes) and returns it.
  ShortcutRecord& Drop(const std::string& path, const std::string& title = "",
                       const std::string& icon = "") {
    Classifier classifier(Context());
    classifier.AddItemFromPath(path, 20, title, icon, true);
    link = classifier.Link();
    return Record(20);
  }
  // Copies a sample file into the home folder.
  std::string Copy(const std::string& sample, const std::string& name) {
    const std::string to = home / name;
    std::filesystem::copy_file(test::SamplePath(sample), to);
    return to;
  }
  LinkInfo link;
};

TEST(TitleFromPath, DropsOnlyLinkAndProgramEndings) {
  EXPECT_EQ(GetTitleFromPath("C:\\Tools\\Notepad.EXE", false), "Notepad");
  EXPECT_EQ(GetTitleFromPath("C:\\Links\\Home.url", false), "Home.url");
  EXPECT_EQ(GetTitleFromPath("C:\\Saver.scr", false), "Saver.scr");
  EXPECT_EQ(GetTitleFromPath(test::Native("/home/ann/Report.lnk"), false), "Report");
  EXPECT_EQ(GetTitleFromPath(test::Native("/home/ann/Report.lnk"), true), "Report.lnk");
  EXPECT_EQ(GetTitleFromPath("C:\\Folder\\", false), "");
  EXPECT_EQ(GetTitleFromPath("http://example.org/a/b", false), "http://example.org/a/b");
  EXPECT_EQ(GetTitleFromPath("x.exe", false), "x");
}

TEST_F(ClassificationTest, ProgramsTakeTheirDescriptionAndTheirOwnIcon) {
  const std::string exe = Copy("pe/iexplore.exe", "iexplore.exe");
  const ShortcutRecord& r = Drop(exe);
  EXPECT_EQ(r.Kind, kKindDockShortcut);
  EXPECT_EQ(r.IconSource, 1);
  EXPECT_EQ(r.Title.Get(), "Wine Internet Explorer");
  EXPECT_EQ(r.IconFile.Get(), home / "store/0.png");
  EXPECT_EQ(r.Target.Get(), exe);
  EXPECT_EQ(pictures.made.back().source, kPictureOfLink);
  EXPECT_EQ(pictures.made.back().iconPath, exe);

  pictures.makes = false;
  test::WriteText(home / "Blank.EXE", "no version here");
  EXPECT_EQ(Drop(home / "Blank.EXE").Title.Get(), "Blank");
  EXPECT_EQ(Record(20).IconFile.Get(), "/app/SysIcons/Problem.png");
}

TEST_F(ClassificationTest, FoldersDrivesAndWebAddresses) {
  std::filesystem::create_directories(home / "Tools.v2");
  EXPECT_EQ(Drop(home / "Tools.v2").Title.Get(), "Tools.v2");
  EXPECT_EQ(Record(20).IconFile.Get(), "/app/SysIcons/Folder.png");
  EXPECT_EQ(Drop(state.paths.MyDocuments).Title.Get(), "My Documents");
  EXPECT_EQ(Record(20).IconFile.Get(), "/app/SysIcons/DocFolder.png");
  EXPECT_EQ(Drop(home.path()).Title.Get(), "ann");  // the profile folder

  const std::string root = test::Native("/");
  volumes.volumes = {{root, platform::DriveType::kFixed, "system", true, false, {}},
                     {home.path() + platform::kPathSeparator,
                      platform::DriveType::kRemovable,
                      "STICK",
                      false,
                      false,
                      {}}};
  EXPECT_EQ(Drop(home.path()).Title.Get(), "Removable Disk (STICK)");
  EXPECT_EQ(Record(20).IconFile.Get(), "/app/SysIcons/RemDrive.png");
  EXPECT_EQ(Drop(root).Title.Get(), "Local Disk (system)");
  EXPECT_EQ(Record(20).IconFile.Get(), "/app/SysIcons/WinDrive.png");
  // A desktop that names its volumes itself gets its names, with the picture of the kind.
  volumes.volumes[0].title = "File System";
  EXPECT_EQ(Drop(root).Title.Get(), "File System");
  EXPECT_EQ(Record(20).IconFile.Get(), "/app/SysIcons/WinDrive.png");

  const ShortcutRecord& web = Drop("https://example.org/news");
  EXPECT_EQ(web.Title.Get(), "https://example.org/news");
  EXPECT_EQ(web.IconFile.Get(), "/app/SysIcons/URL.png");
  EXPECT_EQ(web.IconSource, 2);
  EXPECT_EQ(Drop("http://example.org", "Example", "/pics/e.png").IconFile.Get(), "/pics/e.png");
  EXPECT_EQ(Record(20).Title.Get(), "Example");
}

TEST_F(ClassificationTest, PlainFilesUseTheIconOfTheirTypeElseTheFilePicture) {
  test::WriteText(home / "README", "text");
  const ShortcutRecord& r = Drop(home / "README");
  EXPECT_EQ(r.IconSource, 2);
  EXPECT_EQ(pictures.made.back().source, kPictureOfShell);
  EXPECT_EQ(r.IconFile.Get(), home / "store/0.png");
  pictures.makes = false;
  EXPECT_EQ(Drop(home / "README").IconFile.Get(), "/app/SysIcons/File.png");
}

TEST_F(ClassificationTest, LinuxProgramsAreProgramsNamedByTheirFile) {
  const std::string script = home / "backup-now";
  test::WriteText(script, "#!/bin/sh\necho hi\n");
  std::filesystem::permissions(platform::PathFromUtf8(script), std::filesystem::perms::owner_all);
#ifdef _WIN32
  EXPECT_FALSE(platform::IsNativeProgram(script));  // Windows knows programs by extension alone
  return;
#endif
  EXPECT_TRUE(platform::IsNativeProgram(script));
  pictures.makes = false;
  const ShortcutRecord& r = Drop(script);
  EXPECT_EQ(r.IconSource, 1);
  EXPECT_EQ(r.Title.Get(), "backup-now");
  EXPECT_EQ(r.IconFile.Get(), "/app/SysIcons/Application.png");
  test::WriteText(home / "notes.sh", "#!/bin/sh\n");  // a script without the execute bit
  EXPECT_FALSE(platform::IsNativeProgram(home / "notes.sh"));
}

TEST_F(ClassificationTest, LinksToProgramsStayLinksOthersBecomeTheirTarget) {
  const ShortcutRecord& program = Drop(Copy("links/local_file.lnk", "Explorer.lnk"));
  EXPECT_EQ(program.Title.Get(), "Explorer");
  EXPECT_EQ(program.IconSource, 0);
  EXPECT_EQ(program.Target.Get(), "C:\\Windows\\explorer.exe");
  EXPECT_EQ(pictures.made.back().source, kPictureOfLink);

  pictures.makes = false;
  const std::string document = Copy("links/recent1.lnk", "Contract.lnk");
  const ShortcutRecord& followed = Drop(document);
  EXPECT_EQ(followed.Path.Get(), document);
  EXPECT_EQ(followed.Target.Get(), "C:\\Users\\heznik\\Downloads\\2020M09_01_contract.pdf");
  EXPECT_EQ(followed.Title.Get(), "Contract");
  EXPECT_EQ(followed.IconFile.Get(), "/app/SysIcons/File.png");  // shown as a document

  const ShortcutRecord& url = Drop(Copy("links/GitHub.url", "GitHub.url"));
  EXPECT_EQ(url.Title.Get(), "GitHub.url");
  EXPECT_EQ(url.Target.Get(), "https://github.com/carlbennett/BNRBot");
  EXPECT_EQ(url.IconFile.Get(), "/app/SysIcons/URL.png");
}

TEST_F(ClassificationTest, DesktopEntriesKeepTheirNameCommandAndThemeIcon) {
  const std::string entry = Copy("desktop/display-im6.q16.desktop", "display.desktop");
  const ShortcutRecord& r = Drop(entry);
  EXPECT_FALSE(r.Title.Get().empty());
  EXPECT_NE(r.Title.Get(), "display");
  EXPECT_EQ(r.Path.Get(), entry);
  EXPECT_NE(r.Target.Get().find("display-im6.q16"), std::string::npos);
  EXPECT_EQ(pictures.made.front().source, kPictureOfTheme);
}

TEST_F(ClassificationTest, GroupsGainMembersOnceAndDockPlacesWaitForConsentBeforeReplacing) {
  Record(5).Kind = kKindGroup;
  Record(5).Title = "Tools (Empty)";
  test::WriteText(home / "a.txt", "a");
  Classifier classifier(Context());
  classifier.AddItemFromPath(home / "a.txt", 5, "", "");
  classifier.AddItemFromPath(home / "a.txt", 5, "", "");  // already a member
  ASSERT_EQ(state.tables.Groups[5].MemberCount, 1);
  const int member = state.tables.Groups[5].Members[1];
  EXPECT_GE(member, kFirstPoolRecord);
  EXPECT_EQ(Record(member).Kind, kKindMember);
  EXPECT_EQ(Record(5).Title.Get(), "Tools");

  classifier.AddItemFromPath(home / "missing.txt", 5, "", "");
  EXPECT_EQ(state.tables.Groups[5].MemberCount, 1);

  // A dock shortcut is replaced only once the window has asked; the core itself never asks.
  Record(21).Kind = kKindDockShortcut;
  Record(21).Title = "Keep me";
  const std::size_t shown = messages.shown.size();
  EXPECT_EQ(classifier.AddItemFromPath(home / "a.txt", 21, "", ""),
            Classifier::AddOutcome::kNeedsConfirmation);
  EXPECT_EQ(Record(21).Title.Get(), "Keep me");
  EXPECT_EQ(messages.shown.size(), shown);
  const auto question = Classifier::ReplaceShortcutQuestion();
  EXPECT_EQ(question.text, "Are you sure to replace the selected shortcut?");
  EXPECT_EQ(question.caption, "Replace shortcut");
  EXPECT_EQ(question.icon, platform::MessageIcon::kExclamation);
  EXPECT_TRUE(question.defaultIsSecond);
  EXPECT_EQ(classifier.AddItemFromPath(home / "a.txt", 21, "", "", true),
            Classifier::AddOutcome::kDone);
  EXPECT_EQ(Record(21).Title.Get(), "a.txt");
  // A path that is gone needs no question: nothing would be added.
  Record(22).Kind = kKindDockShortcut;
  EXPECT_EQ(classifier.AddItemFromPath(home / "missing.txt", 22, "", ""),
            Classifier::AddOutcome::kDone);

  for (int r = kFirstPoolRecord; r <= kLastRecord; ++r) Record(r).Kind = kKindMember;
  test::WriteText(home / "b.txt", "b");
  classifier.AddItemFromPath(home / "b.txt", 5, "", "");
  EXPECT_EQ(state.tables.Groups[5].MemberCount, 1);
  EXPECT_NE(messages.shown.back().text.find("no room"), std::string::npos);
}

// A path cut to the record's field would name another file: such an item is refused, with a
// message, and neither a dock place nor a group record is used for it.
TEST_F(ClassificationTest, PathsLongerThanTheRecordAreRefusedNotCut) {
  std::string folder = home.path();
  while (folder.size() < 240) {
    folder += test::Native("/\xD0\xA1\xD0\xB2\xD0\xBE\xD0\xB4\xD0\xBD\xD1\x8B\xD0\xB9");
  }
  std::filesystem::create_directories(platform::PathFromUtf8(folder));
  const std::string path =
      folder + test::Native("/\xD0\xB3\xD1\x80\xD0\xB0\xD1\x84\xD0\xB8\xD0\xBA.txt");
  ASSERT_GT(path.size(), 255u);
  test::WriteText(path, "x");
  ShortcutRecord& r = Drop(path);
  EXPECT_EQ(r.Kind, kKindBlank);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("at most 255 fit"), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find(path), std::string::npos);

  Record(5).Kind = kKindGroup;
  Classifier classifier(Context());
  classifier.AddItemFromPath(path, 5, "", "");
  EXPECT_EQ(state.tables.Groups[5].MemberCount, 0);
  EXPECT_EQ(Record(kFirstPoolRecord).Kind, kKindFree);

  // A short link to a target that does not fit is refused the same way.
  const std::string entry = home / "long.desktop";
  test::WriteText(entry, "[Desktop Entry]\nType=Application\nName=Long\nExec=\"" + path + "\"\n");
  Drop(entry);
  EXPECT_EQ(Record(20).Kind, kKindBlank);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_NE(messages.shown[2].text.find("its target is"), std::string::npos);

  // What fits is kept whole.
  const std::string fits = home / "\xD0\xA1\xD0\xB2\xD0\xBE\xD0\xB4\xD0\xBD\xD1\x8B\xD0\xB9.txt";
  test::WriteText(fits, "x");
  EXPECT_EQ(Drop(fits).Path.Get(), fits);
}

TEST_F(ClassificationTest, ALinkThatCannotBeReadOrPointsAtNothingSaysWhich) {
  const PathContext paths{state.paths, system};
  LinkProperties found;
  const std::string missing = home / "gone.desktop";
  EXPECT_EQ(ReadLinkProperties(missing, found, paths).Error(), "cannot read the link " + missing);

  // Written with "/" as a desktop entry's Exec holds it: a backslash there is an escape.
  std::string program = home / "tool";
  std::replace(program.begin(), program.end(), '\\', '/');
  const std::string entry = home / "tool.desktop";
  test::WriteText(entry,
                  "[Desktop Entry]\nType=Application\nName=Tool\nExec=\"" + program + "\"\n");
  EXPECT_EQ(ReadLinkProperties(entry, found, paths).Error(),
            "neither the target nor the icon of the link " + entry + " exists");
  EXPECT_EQ(found.target, program);  // what it pointed at is still there for the classifier
  test::WriteText(program, "#!/bin/sh\n");
  EXPECT_TRUE(ReadLinkProperties(entry, found, paths));
}

}  // namespace
}  // namespace qav
