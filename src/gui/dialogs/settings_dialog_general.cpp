// The settings window's "General" page: the start-up, auto-hide, key-letter and text-rendering
// choices, and the buttons that back up, restore and reset the user's data.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/environment/registry_access.h"
#include "gui/dialogs/settings_dialog.h"

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

QCheckBox* MakeCheck(const char* name, const QString& caption) {
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

QGroupBox* Group(const QString& title, std::initializer_list<QWidget*> widgets) {
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  return group;
}

}  // namespace

QWidget* SettingsDialog::BuildGeneralPage() {
  auto* page = new QWidget;
  page->setObjectName("PicSet1");
  autoRunCheck_ = MakeCheck(
      "ChkAutoRun", QCoreApplication::translate("SettingsDialog", "Load at system startup"));
  autoHideCheck_ = MakeCheck(
      "ChkAutoHide", QCoreApplication::translate("SettingsDialog", "Auto-Hide QAV Launcher"));
  displayLetterCheck_ =
      MakeCheck("ChkDisplayLetter",
                QCoreApplication::translate("SettingsDialog", "Do not display shortcut letters"));
  clearTypeCheck_ =
      MakeCheck("ChkClearType", QCoreApplication::translate("SettingsDialog", "Turn on ClearType"));
  const char* const backups[] = {
      QT_TRANSLATE_NOOP("SettingsDialog", "Backup Configuration"),
      QT_TRANSLATE_NOOP("SettingsDialog", "Backup All Shortcuts && Icons"),
      QT_TRANSLATE_NOOP("SettingsDialog", "Restore Configuration"),
      QT_TRANSLATE_NOOP("SettingsDialog", "Restore All Shortcuts && Icons")};
  for (int i = 0; i < 4; ++i) {
    backupRestoreButtons_[i] =
        MakeButton(QStringLiteral("CmdBackup%1").arg(i),
                   QCoreApplication::translate("SettingsDialog", backups[i]));
  }
  resetButtons_[0] = MakeButton(
      "CmdSetting0",
      QCoreApplication::translate("SettingsDialog", "Reset all default program settings"));
  resetButtons_[1] = MakeButton(
      "CmdSetting1",
      QCoreApplication::translate("SettingsDialog", "Reset all default shortcuts && icons"));

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Group(QCoreApplication::translate("SettingsDialog", "General"),
                          {autoRunCheck_, autoHideCheck_, displayLetterCheck_, clearTypeCheck_}));
  layout->addWidget(Group(QCoreApplication::translate("SettingsDialog", "Backup"),
                          {backupRestoreButtons_[0], backupRestoreButtons_[1]}));
  layout->addWidget(Group(QCoreApplication::translate("SettingsDialog", "Restore"),
                          {backupRestoreButtons_[2], backupRestoreButtons_[3]}));
  layout->addWidget(Group(QCoreApplication::translate("SettingsDialog", "Reset Defaults"),
                          {resetButtons_[0], resetButtons_[1]}));
  layout->addStretch(1);
  return page;
}

void SettingsDialog::ConnectGeneral() {
  // A box changes by a click, its key or a screen reader's Toggle, which emits no click: each
  // acts on what the box now shows.
  connect(autoRunCheck_, &QCheckBox::toggled, this, [this](bool on) { AutoRunToggled(on); });
  connect(autoHideCheck_, &QCheckBox::toggled, this,
          [this](bool on) { settings_.Record.AutoHide = on ? 1 : 0; });
  connect(displayLetterCheck_, &QCheckBox::toggled, this,
          [this](bool on) { settings_.Record.HideShortcutLetters = on ? 1 : 0; });
  connect(clearTypeCheck_, &QCheckBox::toggled, this, [this](bool on) { ClearTypeToggled(on); });
  connect(backupRestoreButtons_[0], &QPushButton::clicked, this,
          [this] { BackupConfigurationClicked(); });
  connect(backupRestoreButtons_[1], &QPushButton::clicked, this,
          [this] { BackupShortcutsClicked(); });
  connect(backupRestoreButtons_[2], &QPushButton::clicked, this,
          [this] { RestoreConfigurationClicked(); });
  connect(backupRestoreButtons_[3], &QPushButton::clicked, this,
          [this] { RestoreShortcutsClicked(); });
  connect(resetButtons_[0], &QPushButton::clicked, this, [this] { ResetSettingsClicked(); });
  connect(resetButtons_[1], &QPushButton::clicked, this, [this] { ResetShortcutsClicked(); });
}

// The box stays checked only when the auto-start entry now names this program.
void SettingsDialog::AutoRunToggled(bool checked) {
  AppState& state = services_.state;
  settings_.AutoRun = SetAutoRun(services_.platform.registry, state.paths.StartCommand, checked);
  const QSignalBlocker blocker(autoRunCheck_);
  autoRunCheck_->setChecked(settings_.AutoRun);
}

void SettingsDialog::ClearTypeToggled(bool checked) {
  settings_.Record.ClearType = checked ? 1 : 0;
  services_.preview.SetMenuClearType(checked);
}

std::string SettingsDialog::ChooseFile(bool save, const std::string& title,
                                       const std::string& name) {
  platform::FileDialogRequest request;
  request.save = save;
  request.title = title;
  request.filter = kBackupFilter;
  request.initialName = name;
  return services_.files.ShowFileDialog(request);
}

BackupFlowContext SettingsDialog::FlowContext() {
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

void SettingsDialog::BackupConfigurationClicked() {
  const std::string path = ChooseFile(
      true,
      QCoreApplication::translate("SettingsDialog", "QAV Launcher - Backup Configuration")
          .toStdString(),
      kConfigBackupName);
  if (path.empty() || !MayWrite(path, services_.platform.messages)) return;
  BackupFlowContext context = FlowContext();
  BackupConfiguration(path, context);
}

void SettingsDialog::BackupShortcutsClicked() {
  const std::string path = ChooseFile(
      true,
      QCoreApplication::translate("SettingsDialog", "QAV Launcher - Backup Shortcuts & Icons")
          .toStdString(),
      kIconsBackupName);
  if (path.empty() || !MayWrite(path, services_.platform.messages)) return;
  BackupFlowContext context = FlowContext();
  BackupShortcutsAndIcons(path, context);
}

void SettingsDialog::RestoreConfigurationClicked() {
  const std::string path = ChooseFile(
      false,
      QCoreApplication::translate("SettingsDialog", "QAV Launcher - Restore Configuration")
          .toStdString(),
      kConfigBackupName);
  if (path.empty()) return;
  BackupFlowContext context = FlowContext();
  if (RestoreConfiguration(path, context)) IniConfigData();
}

void SettingsDialog::RestoreShortcutsClicked() {
  const std::string path = ChooseFile(
      false,
      QCoreApplication::translate("SettingsDialog", "QAV Launcher - Restore Shortcuts & Icons")
          .toStdString(),
      kIconsBackupName);
  if (path.empty()) return;
  BackupFlowContext context = FlowContext();
  if (RestoreShortcutsAndIcons(path, context)) IniConfigData();
}

void SettingsDialog::ResetSettingsClicked() {
  if (!Confirmed(services_.platform.messages, ResetSettingsQuestion())) return;
  BackupFlowContext context = FlowContext();
  ResetProgramSettings(context);
  IniConfigData();
}

void SettingsDialog::ResetShortcutsClicked() {
  if (!Confirmed(services_.platform.messages, ResetShortcutsQuestion())) return;
  BackupFlowContext context = FlowContext();
  if (ResetShortcutsAndIcons(context)) IniConfigData();
}

}  // namespace qav
