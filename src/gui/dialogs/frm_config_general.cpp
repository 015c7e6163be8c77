// The settings window's "General" page: the start-up, auto-hide, key-letter and text-rendering
// choices, and the buttons that back up, restore and reset the user's data.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/environment/registry_access.h"
#include "gui/dialogs/frm_config.h"

namespace qav {
namespace {

constexpr const char* kBackupFilter = "*.bak|*.bak|*.*|*.*";

bool Confirmed(platform::MessageBoxes& messages, const platform::MessageRequest& question) {
  return messages.Show(question) == platform::MessageAnswer::kYes;
}

// A backup over an existing file asks first; on Yes the file goes before the backup is written.
bool MayWrite(const std::string& path, platform::MessageBoxes& messages) {
  if (!TargetExists(path)) return true;
  return Confirmed(messages, ReplaceQuestion()) && ClearTarget(path, messages);
}

QCheckBox* MakeCheck(const char* name, const char* caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  box->setAccessibleName(caption);
  return box;
}

// "&&" in a caption shows one ampersand.
QPushButton* MakeButton(const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAccessibleName(QString(caption).replace("&&", "&"));
  button->setAutoDefault(false);
  return button;
}

QGroupBox* Group(const char* title, std::initializer_list<QWidget*> widgets) {
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  return group;
}

}  // namespace

QWidget* FrmConfig::BuildGeneralPage() {
  auto* page = new QWidget;
  page->setObjectName("PicSet1");
  chkAutoRun_ = MakeCheck("ChkAutoRun", "Load at system startup");
  chkAutoHide_ = MakeCheck("ChkAutoHide", "Auto-Hide QAV Launcher");
  chkDisplayLetter_ = MakeCheck("ChkDisplayLetter", "Do not display shortcut letters");
  chkClearType_ = MakeCheck("ChkClearType", "Turn on ClearType");
  const char* const backups[] = {"Backup Configuration", "Backup All Shortcuts && Icons",
                                 "Restore Configuration", "Restore All Shortcuts && Icons"};
  for (int i = 0; i < 4; ++i)
    cmdBackup_[i] = MakeButton(QStringLiteral("CmdBackup%1").arg(i), backups[i]);
  cmdSetting_[0] = MakeButton("CmdSetting0", "Reset all default program settings");
  cmdSetting_[1] = MakeButton("CmdSetting1", "Reset all default shortcuts && icons");

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(
      Group("General", {chkAutoRun_, chkAutoHide_, chkDisplayLetter_, chkClearType_}));
  layout->addWidget(Group("Backup", {cmdBackup_[0], cmdBackup_[1]}));
  layout->addWidget(Group("Restore", {cmdBackup_[2], cmdBackup_[3]}));
  layout->addWidget(Group("Reset Defaults", {cmdSetting_[0], cmdSetting_[1]}));
  layout->addStretch(1);
  return page;
}

void FrmConfig::ConnectGeneral() {
  // A box changes by a click, its key or a screen reader's Toggle, which emits no click: each
  // acts on what the box now shows.
  connect(chkAutoRun_, &QCheckBox::toggled, this, [this](bool on) { AutoRunToggled(on); });
  connect(chkAutoHide_, &QCheckBox::toggled, this,
          [this](bool on) { settings_.Record.AutoHide = on ? 1 : 0; });
  connect(chkDisplayLetter_, &QCheckBox::toggled, this,
          [this](bool on) { settings_.Record.HideShortcutLetters = on ? 1 : 0; });
  connect(chkClearType_, &QCheckBox::toggled, this, [this](bool on) { ClearTypeToggled(on); });
  connect(cmdBackup_[0], &QPushButton::clicked, this, [this] { BackupConfigurationClicked(); });
  connect(cmdBackup_[1], &QPushButton::clicked, this, [this] { BackupShortcutsClicked(); });
  connect(cmdBackup_[2], &QPushButton::clicked, this, [this] { RestoreConfigurationClicked(); });
  connect(cmdBackup_[3], &QPushButton::clicked, this, [this] { RestoreShortcutsClicked(); });
  connect(cmdSetting_[0], &QPushButton::clicked, this, [this] { ResetSettingsClicked(); });
  connect(cmdSetting_[1], &QPushButton::clicked, this, [this] { ResetShortcutsClicked(); });
}

// The box stays checked only when the auto-start entry now names this program.
void FrmConfig::AutoRunToggled(bool checked) {
  AppState& state = services_.state;
  settings_.AutoRun = SetAutoRun(services_.platform.registry, state.paths.StartCommand, checked);
  const QSignalBlocker blocker(chkAutoRun_);
  chkAutoRun_->setChecked(settings_.AutoRun);
}

void FrmConfig::ClearTypeToggled(bool checked) {
  settings_.Record.ClearType = checked ? 1 : 0;
  services_.preview.SetMenuClearType(checked);
}

std::string FrmConfig::ChooseFile(bool save, const std::string& title, const std::string& name) {
  platform::FileDialogRequest request;
  request.save = save;
  request.title = title;
  request.filter = kBackupFilter;
  request.initialName = name;
  return services_.files.ShowFileDialog(request);
}

BackupFlowContext FrmConfig::FlowContext() {
  return {services_.state,
          services_.platform,
          [this](const ReloadOptions& options) { services_.preview.ReloadAll(options); },
          [](bool busy) {
            if (busy) {
              QApplication::setOverrideCursor(Qt::WaitCursor);
            } else {
              QApplication::restoreOverrideCursor();
            }
          },
          // Copying many pictures takes a while; the windows keep painting meanwhile.
          [](int, int) { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
          // The message boxes say what failed.
          {}};
}

void FrmConfig::BackupConfigurationClicked() {
  const std::string path =
      ChooseFile(true, "QAV Launcher - Backup Configuration", kConfigBackupName);
  if (path.empty() || !MayWrite(path, services_.platform.messages)) return;
  BackupFlowContext context = FlowContext();
  BackupConfiguration(path, context);
}

void FrmConfig::BackupShortcutsClicked() {
  const std::string path =
      ChooseFile(true, "QAV Launcher - Backup Shortcuts & Icons", kIconsBackupName);
  if (path.empty() || !MayWrite(path, services_.platform.messages)) return;
  BackupFlowContext context = FlowContext();
  BackupShortcutsAndIcons(path, context);
}

void FrmConfig::RestoreConfigurationClicked() {
  const std::string path =
      ChooseFile(false, "QAV Launcher - Restore Configuration", kConfigBackupName);
  if (path.empty()) return;
  BackupFlowContext context = FlowContext();
  if (RestoreConfiguration(path, context)) IniConfigData();
}

void FrmConfig::RestoreShortcutsClicked() {
  const std::string path =
      ChooseFile(false, "QAV Launcher - Restore Shortcuts & Icons", kIconsBackupName);
  if (path.empty()) return;
  BackupFlowContext context = FlowContext();
  if (RestoreShortcutsAndIcons(path, context)) IniConfigData();
}

void FrmConfig::ResetSettingsClicked() {
  if (!Confirmed(services_.platform.messages, ResetSettingsQuestion())) return;
  BackupFlowContext context = FlowContext();
  ResetProgramSettings(context);
  IniConfigData();
}

void FrmConfig::ResetShortcutsClicked() {
  if (!Confirmed(services_.platform.messages, ResetShortcutsQuestion())) return;
  BackupFlowContext context = FlowContext();
  if (ResetShortcutsAndIcons(context)) IniConfigData();
}

}  // namespace qav
