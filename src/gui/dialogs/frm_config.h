#pragma once
// The settings window: a "General" page (start-up, auto-hide, key letters, text rendering, and
// the backup, restore and reset buttons), an "Appearance" page (icon sizes, ring diameter,
// icon quantity, tint opacity, minimized position) and a "Keys" page (the three hot keys).
// Every control acts at once on the running dock; the settings file is written when the window
// closes, the hot-key file as soon as a combination changes.

#include <QDialog>

#include <string>

#include "core/operations/backup_flows.h"
#include "core/state/app_state.h"
#include "gui/dialogs/settings_preview.h"
#include "platform/file_dialogs.h"
#include "platform/platform.h"

class QCheckBox;
class QComboBox;
class QKeySequenceEdit;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;

namespace qav {

struct FrmConfigServices {
  AppState& state;
  platform::Platform& platform;
  platform::FileDialogs& files;
  SettingsPreview& preview;
};

class FrmConfig final : public QDialog {
 public:
  explicit FrmConfig(FrmConfigServices services, QWidget* parent = nullptr);

  // Loads every control from the settings without acting on them.
  void IniConfigData();

  // The ring geometry from the current settings, then the preview of `mode`.
  void Relayout(int mode);

 protected:
  // Closing, by "&OK", the close box or Escape, saves the settings.
  void done(int result) override;

 private:
  QWidget* BuildGeneralPage();
  QWidget* BuildAppearancePage();
  QWidget* BuildKeysPage();
  void ConnectAppearance();
  void ConnectGeneral();
  void ConnectKeys();

  // Appearance handlers.
  void NormalPressed();
  void NormalChanged(int value);
  void NormalReleased();
  void MagnifiedChanged(int value);
  void RadiusChanged(int value);
  void TransHeld(bool held);
  void TransChanged(int value);
  void IconCountChosen(int index);
  void MinimizedPositionChosen(int index);
  void UpdateLabels();

  // General page handlers.
  void AutoRunToggled(bool checked);
  void ClearTypeToggled(bool checked);
  void BackupConfigurationClicked();
  void BackupShortcutsClicked();
  void RestoreConfigurationClicked();
  void RestoreShortcutsClicked();
  void ResetSettingsClicked();
  void ResetShortcutsClicked();
  std::string ChooseFile(bool save, const std::string& title, const std::string& name);

  // Keys page handlers (frm_config_keys.cpp).
  void ShowHotKeys();
  void RecordHotKey(int action);
  void HotKeyRecorded(int action);
  void TakeHotKeys(const platform::HotKeyBindings& bindings, int changed);
  BackupFlowContext FlowContext();

  FrmConfigServices services_;
  Settings& settings_;
  int rememberedMagnified_ = 0;
  bool closed_ = false;

  QTabWidget* tabs_ = nullptr;
  QCheckBox* chkAutoRun_ = nullptr;
  QCheckBox* chkAutoHide_ = nullptr;
  QCheckBox* chkDisplayLetter_ = nullptr;
  QCheckBox* chkClearType_ = nullptr;
  QPushButton* cmdBackup_[4] = {};
  QPushButton* cmdSetting_[2] = {};
  QSlider* sldNormal_ = nullptr;
  QSlider* sldMagnified_ = nullptr;
  QSlider* sldRadius_ = nullptr;
  QSlider* sldTrans_ = nullptr;
  QComboBox* combIconCount_ = nullptr;
  QComboBox* combMinimizedPosition_ = nullptr;
  QLabel* labNormal_ = nullptr;
  QLabel* labMagnified_ = nullptr;
  QLabel* labRadius_ = nullptr;
  QLabel* labTrans_ = nullptr;
  QLabel* labIconCount_ = nullptr;
  QLabel* labMinimizedPosition_ = nullptr;
  platform::HotKeyBindings hotKeys_;
  QKeySequenceEdit* keyEdit_[3] = {};
  QPushButton* keyChange_[3] = {};
  QPushButton* keyNone_[3] = {};
  QPushButton* keyDefaults_ = nullptr;
  QLabel* labKeys_ = nullptr;
};

}  // namespace qav
