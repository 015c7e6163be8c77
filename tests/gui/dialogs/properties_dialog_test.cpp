#include "gui/dialogs/properties_dialog.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <memory>

#include "core/shortcuts/shortcuts_fixture.h"

namespace qav {
namespace {

using platform::MessageAnswer;

class NoShellIcons final : public ShellIcons {
 public:
  QImage IconFor(const std::string&, int) override { return {}; }
  QImage ThemeIcon(const std::string&, int) override { return {}; }
};

constexpr int kShortcut = 5;
constexpr int kGroup = 6;
constexpr int kBlank = 7;
constexpr int kMember = 200;
constexpr int kBuiltIn = 70;

struct PropertyFixture : test::ShortcutsFixture, ::testing::Test {
  PropertyFixture() {
    file = home / "notes.txt";
    std::ofstream(file) << "notes";
    Record(kShortcut) = {};
    Record(kShortcut).Kind = kKindDockShortcut;
    Record(kShortcut).Path = file;
    Record(kShortcut).Target = file;
    Record(kShortcut).Title = "Notes";
    Record(kBlank).Kind = kKindBlank;
    Record(kBlank).Title = "Blank Shortcut";
    MakeGroup(kGroup, 1);
    state.paths.ProgramFilesFolder = "/opt/";
  }

  // A group at `record` with `members` members (records 200, 201, ...).
  void MakeGroup(int record, int members) {
    Record(record).Kind = kKindGroup;
    Record(record).Title = "Tools";
    GroupRecord& g = state.tables.Groups[static_cast<std::size_t>(record)];
    g.MemberCount = members;
    for (int m = 1; m <= members; ++m) {
      g.Members[static_cast<std::size_t>(m)] = kMember + m - 1;
      Record(kMember + m - 1).Kind = kKindMember;
      Record(kMember + m - 1).Title = "Member";
    }
  }

  std::unique_ptr<PropertiesDialog> Open(int record, bool add = false) {
    state.CurrentRecord = record;
    PropertyServices services{state,
                              platform,
                              pictures,
                              files,
                              shellIcons,
                              [this](int r) { dropped.push_back(r); },
                              [this] { ++iniIconParams; },
                              [this] { ++dockNormals; },
                              [this] { ++saves; },
                              {}};
    return std::make_unique<PropertiesDialog>(std::move(services), add);
  }

  template <typename T>
  static T* Child(PropertiesDialog& dialog, const char* name) {
    return dialog.findChild<T*>(name);
  }
  static QRadioButton* Opt(PropertiesDialog& d, int i) {
    return Child<QRadioButton>(d, i == 0 ? "OptType0" : i == 1 ? "OptType1" : "OptType2");
  }
  static QStringList LinkEntries(PropertiesDialog& d) {
    QStringList entries;
    auto* combo = Child<QComboBox>(d, "CombLink");
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
    return entries;
  }
  // Which of link, target, arguments, title, run, type 0, 1, 2 and browse take input.
  static std::string Enabled(PropertiesDialog& d) {
    std::string flags;
    for (QWidget* w : std::initializer_list<QWidget*>{
             Child<QComboBox>(d, "CombLink"), Child<QLineEdit>(d, "TxtTarget"),
             Child<QLineEdit>(d, "TxtArg"), Child<QLineEdit>(d, "TxtTitle"),
             Child<QComboBox>(d, "CombRun"), Opt(d, 0), Opt(d, 1), Opt(d, 2),
             Child<QPushButton>(d, "CmdBrowse")}) {
      flags += w->isEnabled() ? '1' : '0';
    }
    return flags;
  }
  static int Checked(PropertiesDialog& d) {
    for (int i = 0; i < 3; ++i) {
      if (Opt(d, i)->isChecked()) return i;
    }
    return -1;
  }

  std::string file;
  platform::fake::ScriptedFileDialogs files;
  NoShellIcons shellIcons;
  std::vector<int> dropped;
  int iniIconParams = 0;
  int dockNormals = 0;
  int saves = 0;
};

TEST_F(PropertyFixture, ReloadSetsTypeListsAndEnablingByKind) {
  auto shortcut = Open(kShortcut);
  EXPECT_EQ(shortcut->windowTitle(), "Properties");
  EXPECT_EQ(shortcut->Mode(), kKindDockShortcut);
  EXPECT_EQ(Checked(*shortcut), 0);
  EXPECT_EQ(Enabled(*shortcut), "111111101");
  EXPECT_EQ(LinkEntries(*shortcut),
            QStringList({QString::fromStdString(file), "Replace by  New 'Internet' Shortcut",
                         "Replace by  New 'Check Email' Shortcut"}));
  EXPECT_EQ(Child<QLineEdit>(*shortcut, "TxtTitle")->text(), "Notes");

  // A member may not become a group.
  EXPECT_EQ(Enabled(*Open(kMember)), "111111001");

  auto blank = Open(kBlank);
  EXPECT_EQ(Enabled(*blank), "111111101");
  EXPECT_EQ(LinkEntries(*blank).mid(1),
            QStringList({"Add New 'Internet' Shortcut", "Add New 'Check Email' Shortcut"}));

  auto group = Open(kGroup);
  EXPECT_EQ(Checked(*group), 1);
  EXPECT_EQ(Enabled(*group), "100101100");
  EXPECT_EQ(
      LinkEntries(*group).mid(1),
      QStringList(
          {"Replace by  New 'System Folders & Drives Group'", "Replace by  New 'Accessories Group'",
           "Replace by  New 'Microsoft Office Suite Group'", "Replace by  New 'Website Group'"}));
  MakeGroup(kGroup, 0);
  EXPECT_EQ(LinkEntries(*Open(kGroup)).mid(1),
            QStringList({"Add New 'System Folders & Drives Group'", "Add New 'Accessories Group'",
                         "Add New 'Microsoft Office Suite Group'", "Add New 'Website Group'"}));

  auto builtIn = Open(kBuiltIn);
  EXPECT_EQ(Checked(*builtIn), 2);
  EXPECT_EQ(Enabled(*builtIn), "000000010");
  EXPECT_EQ(LinkEntries(*builtIn).size(), 1);
}

TEST_F(PropertyFixture, EveryControlHasAnAccessibleNameAndOkIsTheDefault) {
  auto dialog = Open(kShortcut);
  for (QWidget* control : dialog->findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || control->objectName().isEmpty()) continue;
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
  }
  EXPECT_TRUE(Child<QPushButton>(*dialog, "CmdOK")->isDefault());
}

TEST_F(PropertyFixture, AddModeOnAGroupStartsEmptyAndCannotMakeAGroup) {
  for (const int record : {kGroup, kAllProgramsGroup}) {
    if (record == kAllProgramsGroup) Record(record).Kind = kKindAllPrograms;
    auto add = Open(record, true);
    EXPECT_EQ(add->windowTitle(), "Add Shortcut");
    EXPECT_EQ(add->accessibleName(), "Add Shortcut");
    EXPECT_EQ(add->Mode(), -1);
    EXPECT_EQ(Checked(*add), 0);
    EXPECT_EQ(Enabled(*add), "111111001");
    EXPECT_TRUE(LinkEntries(*add).isEmpty());
    EXPECT_TRUE(Child<QLineEdit>(*add, "TxtTitle")->text().isEmpty());
  }
  // Add mode lasts one showing: reloading shows the group itself.
  auto add = Open(kGroup, true);
  add->Reload();
  EXPECT_EQ(add->Mode(), kKindGroup);
}

TEST_F(PropertyFixture, GroupOptionOnAShortcutAsksFirst) {
  messages.answer = MessageAnswer::kNo;
  auto dialog = Open(kShortcut);
  dialog->OptTypeClick(1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "This operation will delete this shortcut, continue?");
  EXPECT_EQ(messages.shown[0].caption, "QAV Launcher");
  EXPECT_EQ(Record(kShortcut).Kind, kKindDockShortcut);
  EXPECT_EQ(Checked(*dialog), 0);
  EXPECT_EQ(saves, 0);

  messages.answer = MessageAnswer::kYes;
  dialog->OptTypeClick(1);
  EXPECT_EQ(Record(kShortcut).Kind, kKindGroup);
  EXPECT_EQ(Record(kShortcut).Title.Get(), "New Group  (Empty)");
  EXPECT_EQ(Record(kShortcut).IconFile.Get(), "/app/SysIcons/Group.png");
  EXPECT_EQ(dialog->Mode(), kKindGroup);
  EXPECT_EQ(Checked(*dialog), 1);
  EXPECT_EQ(saves, 1);

  // A blank place becomes a group without a question, also when a screen reader toggles the
  // option, which clicks nothing.
  messages.shown.clear();
  auto blank = Open(kBlank);
  QAccessibleInterface* option = QAccessible::queryAccessibleInterface(Opt(*blank, 1));
  ASSERT_NE(option, nullptr);
  option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Record(kBlank).Kind, kKindGroup);
  EXPECT_EQ(Checked(*blank), 1);
}

TEST_F(PropertyFixture, ShortcutOptionOnAGroupEmptiesItOnlyWhenConfirmed) {
  messages.answer = MessageAnswer::kNo;
  auto dialog = Open(kGroup);
  dialog->OptTypeClick(0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "This operation will delete all items of this group, continue?");
  EXPECT_EQ(Record(kGroup).Kind, kKindGroup);
  EXPECT_EQ(state.tables.Groups[kGroup].MemberCount, 1);

  messages.answer = MessageAnswer::kYes;
  dialog->OptTypeClick(0);
  EXPECT_EQ(Record(kGroup).Kind, kKindBlank);
  EXPECT_EQ(state.tables.Groups[kGroup].MemberCount, 0);
  EXPECT_EQ(dialog->Mode(), kKindBlank);
  EXPECT_EQ(Checked(*dialog), 0);
}

TEST_F(PropertyFixture, ReadyMadeEntriesReplaceOnlyWhenConfirmed) {
  messages.answer = MessageAnswer::kNo;
  auto dialog = Open(kShortcut);
  auto* link = Child<QComboBox>(*dialog, "CombLink");
  // However the entry is chosen (the mouse, the keys, a screen reader), the list's choice acts.
  link->setCurrentIndex(2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Are you sure to replace?");
  EXPECT_EQ(messages.shown[0].caption, "Properties");
  EXPECT_TRUE(messages.shown[0].defaultIsSecond);
  EXPECT_EQ(link->currentIndex(), 0);
  EXPECT_EQ(Record(kShortcut).Title.Get(), "Notes");

  messages.answer = MessageAnswer::kYes;
  dialog->CombLinkClick(2);
  EXPECT_EQ(Record(kShortcut).Title.Get(), "Check Email");
  EXPECT_EQ(Record(kShortcut).Kind, kKindDockShortcut);
  EXPECT_EQ(saves, 1);

  // A member keeps its place and loses only its own picture.
  Open(kMember)->CombLinkClick(1);
  EXPECT_EQ(dropped, std::vector<int>({kMember}));
  EXPECT_EQ(Record(kMember).Title.Get(), "Internet");
  EXPECT_EQ(Record(kMember).Kind, kKindMember);

  // An empty group is filled without a question; a full one asks.
  MakeGroup(kGroup, 0);
  messages.shown.clear();
  Open(kGroup)->CombLinkClick(2);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Record(kGroup).Title.Get().starts_with("Accessories Group"));
  MakeGroup(kBlank, 2);
  messages.answer = MessageAnswer::kNo;
  Open(kBlank)->CombLinkClick(1);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(Record(kBlank).Title.Get(), "Tools");
}

TEST_F(PropertyFixture, OkStoresEditsOfAnExistingItem) {
  auto dialog = Open(kShortcut);
  Child<QLineEdit>(*dialog, "TxtTitle")->setText("  My notes ");
  Child<QLineEdit>(*dialog, "TxtArg")->setText("--fast");
  Child<QComboBox>(*dialog, "CombRun")->setCurrentIndex(2);
  dialog->CmdOKClick();
  EXPECT_EQ(Record(kShortcut).Title.Get(), "My notes");
  EXPECT_EQ(Record(kShortcut).Arguments.Get(), "--fast");
  EXPECT_EQ(Record(kShortcut).RunStyle, 2);
  EXPECT_EQ(Record(kShortcut).Target.Get(), file);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(iniIconParams, 1);
}

TEST_F(PropertyFixture, EnterInAFieldIsOk) {
  for (const char* field : {"TxtTitle", "CombLink"}) {
    auto dialog = Open(kShortcut);
    dialog->show();
    Child<QLineEdit>(*dialog, "TxtTitle")->setText(field);
    QWidget* typed = std::string(field) == "CombLink"
                         ? Child<QComboBox>(*dialog, field)->lineEdit()
                         : static_cast<QWidget*>(Child<QLineEdit>(*dialog, field));
    QApplication::setActiveWindow(dialog.get());
    typed->setFocus();
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted) << field;
    EXPECT_EQ(Record(kShortcut).Title.Get(), field);
  }
  // On a focused button Enter presses that button, not OK.
  auto dialog = Open(kShortcut);
  dialog->show();
  QPushButton* search = Child<QPushButton>(*dialog, "CmdIcon2");
  QApplication::setActiveWindow(dialog.get());
  search->setFocus();
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(launcher.opened.size(), 1u);
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(PropertyFixture, OkWithoutAValidTargetStoresNothingExceptForAGroup) {
  auto dialog = Open(kShortcut);
  Child<QComboBox>(*dialog, "CombLink")->setEditText("/nowhere/at/all");
  Child<QLineEdit>(*dialog, "TxtTarget")->setText("also nowhere");
  Child<QLineEdit>(*dialog, "TxtTitle")->setText("Changed");
  dialog->CmdOKClick();
  EXPECT_EQ(Record(kShortcut).Title.Get(), "Notes");
  EXPECT_EQ(saves, 0);

  auto group = Open(kGroup);
  Child<QLineEdit>(*group, "TxtTitle")->setText("Games");
  group->CmdOKClick();
  EXPECT_EQ(Record(kGroup).Title.Get(), "Games");
  EXPECT_EQ(Record(kGroup).Kind, kKindGroup);
  EXPECT_EQ(saves, 1);
}

TEST_F(PropertyFixture, OkOnABlankPlaceClassifiesTheTarget) {
  auto dialog = Open(kBlank);
  Child<QComboBox>(*dialog, "CombLink")->setEditText(QString::fromStdString(file));
  dialog->CmdOKClick();
  EXPECT_EQ(Record(kBlank).Kind, kKindDockShortcut);
  EXPECT_EQ(Record(kBlank).Path.Get(), file);
  // "Blank Shortcut" is the place's own name, not a title the user chose.
  EXPECT_EQ(Record(kBlank).Title.Get(), "notes.txt");
  EXPECT_EQ(saves, 1);
}

TEST_F(PropertyFixture, OkInAddModeAppendsAMemberAndSelectsIt) {
  auto dialog = Open(kGroup, true);
  Child<QLineEdit>(*dialog, "TxtTarget")->setText(QString::fromStdString(file));
  Child<QLineEdit>(*dialog, "TxtTitle")->setText("Reading");
  Child<QLineEdit>(*dialog, "TxtArg")->setText("-r");
  Child<QComboBox>(*dialog, "CombRun")->setCurrentIndex(1);
  dialog->CmdOKClick();
  const GroupRecord& g = state.tables.Groups[kGroup];
  ASSERT_EQ(g.MemberCount, 2);
  const int member = g.Members[2];
  EXPECT_EQ(state.CurrentRecord, member);
  EXPECT_EQ(Record(member).Kind, kKindMember);
  EXPECT_EQ(Record(member).Title.Get(), "Reading");
  EXPECT_EQ(Record(member).Arguments.Get(), "-r");
  EXPECT_EQ(Record(member).RunStyle, 1);
  EXPECT_EQ(saves, 1);
}

TEST_F(PropertyFixture, AFullGroupNeverGetsOneMoreMember) {
  MakeGroup(kGroup, kGroupCapacity);
  auto dialog = Open(kGroup, true);
  Child<QLineEdit>(*dialog, "TxtTarget")->setText(QString::fromStdString(file));
  dialog->CmdOKClick();
  EXPECT_EQ(state.tables.Groups[kGroup].MemberCount, kGroupCapacity);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "This group is full. Please choose another group or create a new group!");
  EXPECT_EQ(saves, 0);

  files.answers = {file};
  Open(kGroup, true)->CmdBrowseClick();
  EXPECT_EQ(state.tables.Groups[kGroup].MemberCount, kGroupCapacity);

  // The All Programs group holds 1024; the opener asks before showing the dialog.
  messages.shown.clear();
  state.tables.Groups[kAllProgramsGroup].MemberCount = kAllProgramsCapacity - 1;
  EXPECT_FALSE(RefuseFullGroup(state.tables, kAllProgramsGroup, messages));
  state.tables.Groups[kAllProgramsGroup].MemberCount = kAllProgramsCapacity;
  EXPECT_TRUE(RefuseFullGroup(state.tables, kAllProgramsGroup, messages));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(PropertyFixture, BrowseInAddModeAddsTheMemberAndGoesOnWithIt) {
  files.answers = {file};
  auto dialog = Open(kGroup, true);
  dialog->CmdBrowseClick();
  ASSERT_EQ(files.requests.size(), 1u);
  EXPECT_EQ(files.requests[0].title, "QAV Launcher - Properties");
  EXPECT_EQ(files.requests[0].filter, "*.lnk;*.exe;*.*|*.lnk;*.exe;*.*");
  EXPECT_EQ(files.requests[0].initialName, "/opt/");
  const int member = state.tables.Groups[kGroup].Members[2];
  EXPECT_EQ(state.CurrentRecord, member);
  EXPECT_EQ(dialog->Mode(), kKindMember);
  EXPECT_EQ(Child<QLineEdit>(*dialog, "TxtTitle")->text(), "notes.txt");

  // On an existing item the dialog starts beside its file; cancelling changes nothing.
  auto edit = Open(kShortcut);
  edit->CmdBrowseClick();
  EXPECT_EQ(files.requests.back().initialName, test::Native(home.path() + "/"));
  EXPECT_EQ(Record(kShortcut).Title.Get(), "Notes");
}

TEST_F(PropertyFixture, PictureButtonsStoreResetOrReportThePicture) {
  files.answers = {"/pictures/star.ico"};
  pictures.makes = false;
  auto dialog = Open(kShortcut);
  Record(kShortcut).CustomIcon = "/store/old.png";
  dialog->CmdIconClick(0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Change icon failed");
  EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::kExclamation);
  EXPECT_TRUE(Record(kShortcut).CustomIcon.IsEmpty());

  files.answers = {"/pictures/star.ico"};
  pictures.makes = true;
  dialog->CmdIconClick(0);
  EXPECT_TRUE(Record(kShortcut).CustomIcon.Get().ends_with(".png"));
  EXPECT_EQ(files.requests.back().filter, "*.ico;*.png|*.ico;*.png");

  // A shipped picture stays; only the custom one goes.
  Record(kShortcut).IconFile = "/app/SysIcons/Folder.png";
  dialog->CmdIconClick(1);
  EXPECT_EQ(Record(kShortcut).IconFile.Get(), "/app/SysIcons/Folder.png");
  EXPECT_TRUE(Record(kShortcut).CustomIcon.IsEmpty());
  EXPECT_EQ(dropped.size(), 3u);

  dialog->CmdIconClick(2);
  EXPECT_EQ(launcher.opened, std::vector<std::string>({kIconSearchAddress}));
}

}  // namespace
}  // namespace qav
