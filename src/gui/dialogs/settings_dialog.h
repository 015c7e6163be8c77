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

struct SettingsDialogServices {
  AppState& state;
  platform::Platform& platform;
  platform::FileDialogs& files;
  SettingsPreview& preview;
};

class SettingsDialog final : public QDialog {
 public:
  explicit SettingsDialog(SettingsDialogServices services, QWidget* parent = nullptr);

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

  // Keys page handlers (settings_dialog_keys.cpp).
  void ShowHotKeys();
  void RecordHotKey(int action);
  void HotKeyRecorded(int action);
  void TakeHotKeys(const platform::HotKeyBindings& bindings, int changed);
  BackupFlowContext FlowContext();

  SettingsDialogServices services_;
  Settings& settings_;
  int rememberedMagnified_ = 0;
  bool closed_ = false;

  QTabWidget* tabs_ = nullptr;
  QCheckBox* autoRunCheck_ = nullptr;
  QCheckBox* autoHideCheck_ = nullptr;
  QCheckBox* displayLetterCheck_ = nullptr;
  QCheckBox* clearTypeCheck_ = nullptr;
  QPushButton* backupRestoreButtons_[4] = {};
  QPushButton* resetButtons_[2] = {};
  QSlider* normalSizeSlider_ = nullptr;
  QSlider* magnifiedSizeSlider_ = nullptr;
  QSlider* radiusSlider_ = nullptr;
  QSlider* transparencySlider_ = nullptr;
  QComboBox* iconCountList_ = nullptr;
  QComboBox* minimizedPositionList_ = nullptr;
  QLabel* normalSizeLabel_ = nullptr;
  QLabel* magnifiedSizeLabel_ = nullptr;
  QLabel* radiusLabel_ = nullptr;
  QLabel* transparencyLabel_ = nullptr;
  QLabel* iconCountLabel_ = nullptr;
  QLabel* minimizedPositionLabel_ = nullptr;
  platform::HotKeyBindings hotKeys_;
  QKeySequenceEdit* hotKeyEdits_[3] = {};
  QPushButton* hotKeyChangeButtons_[3] = {};
  QPushButton* hotKeyNoneButtons_[3] = {};
  QPushButton* defaultKeysButton_ = nullptr;
  QLabel* keysLabel_ = nullptr;
};

}  // namespace qav
