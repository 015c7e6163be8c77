// The settings window on the offscreen platform: what each control does to the settings and to
// the ring, the save on close, and auto-start through a real freedesktop entry.

#include "gui/dialogs/settings_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <memory>
#include <variant>

#include "core/environment/hot_key_file.h"
#include "core/environment/registry_access.h"
#include "core/operations/startup_fixture.h"

namespace qav {
namespace {

class RecordingPreview final : public SettingsPreview {
 public:
  explicit RecordingPreview(const AppState& state) : state_(state) {}
  void RingChanged(int mode) override { modes.push_back(mode); }
  void RebuildSizedImages(int slot) override { rebuilt.push_back(slot); }
  void DockNormal() override { tinted.push_back(state_.TintMode); }
  void SetMenuClearType(bool clearType) override { clearTypes.push_back(clearType); }
  void ReloadAll(const ReloadOptions&) override { ++reloads; }
  void ShowAbout() override { ++abouts; }
  platform::HotKeyBindings HotKeys() override { return hotKeys; }
  std::vector<platform::HotKey> ApplyHotKeys(const platform::HotKeyBindings& bindings) override {
    hotKeys = bindings;
    ++applied;
    std::vector<platform::HotKey> refused;
    for (platform::HotKey key : platform::kAllHotKeys) {
      if (bindings[static_cast<std::size_t>(key)] &&
          bindings[static_cast<std::size_t>(key)] == heldElsewhere) {
        refused.push_back(key);
      }
    }
    return refused;
  }

  std::vector<int> modes;
  std::vector<int> rebuilt;
  std::vector<bool> tinted;
  std::vector<bool> clearTypes;
  int reloads = 0;
  int abouts = 0;
  platform::HotKeyBindings hotKeys = platform::DefaultHotKeys();
  int applied = 0;
  std::optional<platform::KeyCombination> heldElsewhere;

 private:
  const AppState& state_;
};

class SettingsDialogTest : public ::testing::Test, protected test::StartupFixture {
 protected:
  SettingsDialogTest() {
    IniParam(state, true, true, false, platform, test::ScreenOf(1366, 768), pictures);
    Open(platform);
  }
  void Open(platform::Platform& services) {
    dialog = std::make_unique<SettingsDialog>(
        SettingsDialogServices{state, services, fileDialogs, preview});
  }
  template <typename T>
  T* Control(const char* name) {
    T* control = dialog->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QString LabelText(const char* name) { return Control<QLabel>(name)->text(); }
  // A mouse drag of `slider` through `values`.
  void Drag(QSlider* slider, std::initializer_list<int> values) {
    slider->setSliderDown(true);
    for (const int value : values) slider->setValue(value);
    slider->setSliderDown(false);
  }
  SettingsRecord SavedRecord() {
    return DecodeSettingsRecord(test::ReadBytes(state.paths.SettingsFile));
  }

  platform::fake::ScriptedFileDialogs fileDialogs;
  RecordingPreview preview{state};
  std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogTest, CaptionPagesAndControlsAreSetUpFromTheSettings) {
  EXPECT_EQ(dialog->windowTitle(), "QAV Launcher - Settings");
  EXPECT_FALSE(dialog->isModal());
  auto* tabs = Control<QTabWidget>("TabSConfig");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "  General  ");
  EXPECT_EQ(tabs->tabText(1), "  Appearance  ");

  EXPECT_EQ(Control<QSlider>("SldNormal")->value(), state.settings.NormalIconSize);
  EXPECT_EQ(Control<QSlider>("SldRadius")->maximum(), state.settings.MaxRadius);

  EXPECT_EQ(LabelText("LabNormal"), "Normal Icon Size:  48  Pixels");
  EXPECT_EQ(LabelText("LabMagnified"), "Magnified Icon Size:  64  Pixels");
  EXPECT_EQ(LabelText("LabRadius"),
            QStringLiteral("Circle Diameter:  %1  Pixels").arg(2 * state.settings.RingRadius));
  EXPECT_EQ(LabelText("LabIconCount"), "Icon Quantity:  24  Icons");
  EXPECT_EQ(LabelText("LabMinimizedPosition"), "Current Minimized Position: Center");
  EXPECT_EQ(Control<QPushButton>("CmdBackup1")->text(), "Backup All Shortcuts && Icons");
  EXPECT_EQ(Control<QPushButton>("CmdSetting1")->text(), "Reset all default shortcuts && icons");
  EXPECT_EQ(Control<QPushButton>("Command1_0")->text(), "&About  QAV Launcher");

  // Every control can be found by its name, by assistive tools and by keyboard users.
  for (QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QSlider*>(widget) ||
        qobject_cast<QComboBox*>(widget)) {
      EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
      EXPECT_NE(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
    }
  }
  Control<QPushButton>("Command1_0")->click();
  EXPECT_EQ(preview.abouts, 1);
}

TEST_F(SettingsDialogTest, DraggingTheNormalSizePushesTheMagnifiedSizeAndLetsItFallBack) {
  auto* normal = Control<QSlider>("SldNormal");
  normal->setSliderDown(true);
  normal->setValue(90);
  EXPECT_EQ(state.settings.MagnifiedIconSize, 90);
  EXPECT_EQ(Control<QSlider>("SldMagnified")->value(), 90);
  EXPECT_EQ(LabelText("LabMagnified"), "Magnified Icon Size:  90  Pixels");
  EXPECT_EQ(state.ring.Slots[1].PlateSize, 90);
  normal->setValue(56);
  EXPECT_EQ(state.settings.MagnifiedIconSize, 64);  // what it was when the drag began
  EXPECT_EQ(LabelText("LabNormal"), "Normal Icon Size:  56  Pixels");
  normal->setSliderDown(false);
  EXPECT_EQ(preview.modes, (std::vector<int>{1, 1}));
  EXPECT_EQ(preview.rebuilt, (std::vector<int>{1}));
  EXPECT_EQ(state.imageSlots.Sizes[1], 56);

  // Ending above the old magnified size rebuilds the magnified pictures too.
  Drag(normal, {100});
  EXPECT_EQ(preview.modes.back(), 2);
  EXPECT_EQ(state.imageSlots.Sizes[2], 100);
  EXPECT_EQ(state.ring.Slots[1].MagSize, 100);

  // A keyboard step is a whole drag.
  preview.rebuilt.clear();
  normal->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(state.settings.NormalIconSize, 92);
  EXPECT_EQ(preview.rebuilt, (std::vector<int>{1}));

  Drag(Control<QSlider>("SldMagnified"), {110, 120});
  EXPECT_EQ(state.settings.MagnifiedIconSize, 120);
  EXPECT_EQ(preview.modes.back(), 2);
}

TEST_F(SettingsDialogTest, RadiusAndIconQuantityRelayTheRingAtOnce) {
  Control<QSlider>("SldRadius")->setValue(250);
  EXPECT_EQ(state.settings.RingRadius, 250);
  EXPECT_EQ(LabelText("LabRadius"), "Circle Diameter:  500  Pixels");
  const RingSlot& first = state.ring.Slots[1];
  EXPECT_EQ(first.PlateLeft + first.PlateSize / 2, state.screen.RingCentreX + 250);
  EXPECT_EQ(preview.modes, (std::vector<int>{0}));

  Control<QComboBox>("CombIconCount")->setCurrentIndex(7);
  EXPECT_EQ(state.settings.IconCount, 36);
  EXPECT_EQ(LabelText("LabIconCount"), "Icon Quantity:  36  Icons");
  // Slot 10 of 36 sits at 90 degrees: straight below the centre.
  const RingSlot& tenth = state.ring.Slots[10];
  EXPECT_NEAR(tenth.PlateTop + tenth.PlateSize / 2, state.screen.RingCentreY + 250, 1);
  EXPECT_EQ(preview.modes, (std::vector<int>{0, 0}));

  dialog->accept();
  EXPECT_EQ(SavedRecord().IconCountIndex, 7);
  EXPECT_EQ(SavedRecord().RingRadius, 250);
}

TEST_F(SettingsDialogTest, HoldingTheOpacitySliderTintsTheScreen) {
  auto* trans = Control<QSlider>("SldTrans");
  trans->setSliderDown(true);
  EXPECT_TRUE(state.TintMode);
  trans->setValue(100);
  EXPECT_EQ(state.settings.TintSetting.alpha, 100);
  EXPECT_EQ(state.settings.TintColour.alpha, 100);
  EXPECT_EQ(LabelText("LabTrans"), "Opacity:  100");
  trans->setSliderDown(false);
  EXPECT_FALSE(state.TintMode);
  EXPECT_EQ(preview.tinted, (std::vector<bool>{true, true, false}));
  dialog->accept();
  EXPECT_EQ(SavedRecord().Tint.alpha, 100);
}

TEST_F(SettingsDialogTest, MinimizedPlaceAndTheCheckBoxesChangeTheirSettings) {
  Control<QComboBox>("CombMinimizedPosition")->setCurrentIndex(8);
  EXPECT_EQ(state.settings.Record.MinimizedPosition, 8);
  EXPECT_EQ(LabelText("LabMinimizedPosition"), "Current Minimized Position: Bottom-Right");
  EXPECT_EQ(state.ring.MinLeft, state.screen.ScreenWidth - 190 - 2);

  Control<QCheckBox>("ChkAutoHide")->click();
  Control<QCheckBox>("ChkDisplayLetter")->click();
  Control<QCheckBox>("ChkClearType")->click();
  EXPECT_EQ(state.settings.Record.AutoHide, 1);
  EXPECT_EQ(state.settings.Record.HideShortcutLetters, 1);
  EXPECT_EQ(state.settings.Record.ClearType, 1);
  EXPECT_EQ(preview.clearTypes, (std::vector<bool>{true}));
  Control<QCheckBox>("ChkClearType")->click();
  EXPECT_EQ(preview.clearTypes, (std::vector<bool>{true, false}));

  dialog->reject();  // the close box and Escape save as well
  const SettingsRecord saved = SavedRecord();
  EXPECT_EQ(saved.MinimizedPosition, 8);
  EXPECT_EQ(saved.AutoHide, 1);
  EXPECT_EQ(saved.HideShortcutLetters, 1);
  EXPECT_EQ(saved.ClearType, 0);
  EXPECT_EQ(process.trims, 1);
}

TEST_F(SettingsDialogTest, SavedSettingsComeBackIntoAFreshWindow) {
  Drag(Control<QSlider>("SldNormal"), {40});
  Control<QSlider>("SldTrans")->setValue(33);
  Control<QComboBox>("CombIconCount")->setCurrentIndex(2);
  dialog->accept();

  AppState fresh;
  fresh.paths = state.paths;
  IniParam(fresh, true, true, false, platform, test::ScreenOf(1366, 768), pictures);
  const std::size_t previews = preview.modes.size();
  SettingsDialog again({fresh, platform, fileDialogs, preview});
  EXPECT_EQ(again.findChild<QSlider*>("SldNormal")->value(), 40);
  EXPECT_EQ(again.findChild<QSlider*>("SldTrans")->value(), 33);
  EXPECT_EQ(again.findChild<QComboBox*>("CombIconCount")->currentIndex(), 2);
  EXPECT_EQ(preview.modes.size(), previews);  // loading the controls acts on nothing
}

// A screen reader's Toggle flips the box without a click; the setting must follow all the same.
TEST_F(SettingsDialogTest, EveryCheckBoxActsTheSameWhenAScreenReaderTogglesIt) {
  state.paths.ExecutablePath = "/opt/qav/qav-launcher";
  state.settings.AutoRun = false;
  Open(platform);
  const auto toggle = [this](const char* name) {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Control<QCheckBox>(name));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->actionInterface(), nullptr);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  };
  for (const char* name : {"ChkAutoRun", "ChkAutoHide", "ChkDisplayLetter", "ChkClearType"}) {
    toggle(name);
  }
  EXPECT_TRUE(state.settings.AutoRun);
  EXPECT_NE(RegValueText(ReadRegValue(registry, kRunKey, kRunValueName)).find("qav-launcher"),
            std::string::npos);
  EXPECT_EQ(state.settings.Record.AutoHide, 1);
  EXPECT_EQ(state.settings.Record.HideShortcutLetters, 1);
  EXPECT_EQ(state.settings.Record.ClearType, 1);
  EXPECT_EQ(preview.clearTypes, (std::vector<bool>{true}));

  // Keys reach the same place: Space on a focused box.
  Control<QCheckBox>("ChkAutoHide")->toggle();
  EXPECT_EQ(state.settings.Record.AutoHide, 0);
  // Loading the controls from the settings is no choice of the user's.
  state.settings.Record.ClearType = 0;
  dialog->IniConfigData();
  EXPECT_EQ(preview.clearTypes, (std::vector<bool>{true}));
}

// The Keys page: each hot key shows its combination, records another, or none; every change is
// taken at once and kept in the hot-key file, and what cannot be a hot key is said.
TEST_F(SettingsDialogTest, TheKeysPageChangesEachHotKeyAtOnceAndKeepsItInItsFile) {
  auto* tabs = Control<QTabWidget>("TabSConfig");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(2), "  Keys  ");
  auto* edit = Control<QKeySequenceEdit>("KeyEdit1");
  EXPECT_EQ(edit->keySequence(), QKeySequence("Shift+Tab"));
  EXPECT_EQ(edit->accessibleName(), "Switch between the launcher and the desktop");

  const auto record = [&](int action, QKeyCombination keys) {
    Control<QPushButton>(QStringLiteral("KeyChange%1").arg(action).toUtf8())->click();
    auto* recorder = Control<QKeySequenceEdit>(QStringLiteral("KeyEdit%1").arg(action).toUtf8());
    QTest::keyClick(recorder, keys.key(), keys.keyboardModifiers());
    const int before = preview.applied;
    const QString label = LabelText("LabKeys");
    QTRY_VERIFY_WITH_TIMEOUT(preview.applied != before || LabelText("LabKeys") != label, 3000);
  };
  record(1, QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_S));
  const platform::KeyCombination ctrlAltS{platform::kCtrl | platform::kAlt, "S"};
  EXPECT_EQ(preview.hotKeys[1], ctrlAltS);
  EXPECT_EQ(ReadHotKeyFile(state.paths.HotKeyFile).bindings[1], ctrlAltS);
  EXPECT_TRUE(LabelText("LabKeys").startsWith("Ctrl+Alt+S now does this from every program"));

  record(2, QKeyCombination(Qt::ShiftModifier, Qt::Key_K));  // would take typing away
  EXPECT_TRUE(LabelText("LabKeys").contains("Shift+K cannot be a hot key"));
  EXPECT_EQ(preview.hotKeys[2], (platform::KeyCombination{platform::kCtrl, "Tab"}));
  record(2, QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_S));  // taken above
  EXPECT_TRUE(LabelText("LabKeys").contains("already does something else"));

  Control<QPushButton>("KeyNone0")->click();
  EXPECT_FALSE(preview.hotKeys[0].has_value());
  EXPECT_TRUE(Control<QKeySequenceEdit>("KeyEdit0")->keySequence().isEmpty());
  EXPECT_NE(test::ReadText(state.paths.HotKeyFile).find("keyboard = none\n"), std::string::npos);

  preview.heldElsewhere = platform::KeyCombination{platform::kAlt, "Space"};
  Control<QPushButton>("KeyDefaults")->click();
  EXPECT_EQ(preview.hotKeys, platform::DefaultHotKeys());
  EXPECT_TRUE(LabelText("LabKeys").contains("Alt+Space is held by another program"));
}

// A registry that keeps nothing, as a session whose auto-start entry cannot be written.
class RefusingRegistry final : public platform::Registry {
 public:
  std::optional<platform::RegData> Query(std::uint32_t, const std::string&,
                                         const std::string&) override {
    return std::nullopt;
  }
  Result Set(std::uint32_t, const std::string&, const std::string&,
             const platform::RegData&) override {
    return Result::Failure("cannot store the value: Access is denied.");
  }
  Result Delete(std::uint32_t, const std::string&, const std::string&) override {
    return Result::Success();
  }
};

TEST_F(SettingsDialogTest, AutoStartWritesAndRemovesTheSessionEntry) {
  state.paths.StartCommand = "/opt/qav/qav launcher";
  state.settings.AutoRun = false;
  Open(platform);
  auto* box = Control<QCheckBox>("ChkAutoRun");
  EXPECT_FALSE(box->isChecked());

  box->click();
  EXPECT_TRUE(state.settings.AutoRun);
  EXPECT_TRUE(box->isChecked());
  EXPECT_NE(
      RegValueText(ReadRegValue(registry, kRunKey, kRunValueName)).find("/opt/qav/qav launcher"),
      std::string::npos);

  box->click();
  EXPECT_FALSE(state.settings.AutoRun);
  EXPECT_TRUE(
      std::holds_alternative<std::monostate>(ReadRegValue(registry, kRunKey, kRunValueName)));
  dialog->accept();
  EXPECT_EQ(SavedRecord().AutoRun, 0);

  // An entry that cannot be written leaves the box unchecked.
  RefusingRegistry refusing;
  platform::Platform failing{refusing, folders,  system,  files, messages, process,
                             desktop,  launcher, actions, trash, volumes};
  Open(failing);
  Control<QCheckBox>("ChkAutoRun")->click();
  EXPECT_FALSE(state.settings.AutoRun);
  EXPECT_FALSE(Control<QCheckBox>("ChkAutoRun")->isChecked());
}

TEST_F(SettingsDialogTest, BackupButtonsProposeTheirFileAndAskBeforeReplacing) {
  const std::string target = home / "Cfg.bak";
  test::WriteText(target, "old");
  fileDialogs.answers = {target};
  messages.answer = platform::MessageAnswer::kNo;
  Control<QPushButton>("CmdBackup0")->click();
  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_TRUE(fileDialogs.requests[0].save);
  EXPECT_EQ(fileDialogs.requests[0].title, "QAV Launcher - Backup Configuration");
  EXPECT_EQ(fileDialogs.requests[0].filter, "*.bak|*.bak|*.*|*.*");
  EXPECT_EQ(fileDialogs.requests[0].initialName, "QAV Launcher Cfg.bak");
  EXPECT_EQ(test::ReadText(target), "old");

  fileDialogs.answers = {target};
  messages.answer = platform::MessageAnswer::kYes;
  Control<QPushButton>("CmdBackup0")->click();
  EXPECT_EQ(test::ReadBytes(target).size(), kSettingsFileSize);
  EXPECT_EQ(messages.shown.back().text, "Backup Configuration File Successfully!");

  Control<QSlider>("SldRadius")->setValue(222);
  fileDialogs.answers = {target};
  Control<QPushButton>("CmdBackup2")->click();
  EXPECT_FALSE(fileDialogs.requests.back().save);
  EXPECT_EQ(fileDialogs.requests.back().title, "QAV Launcher - Restore Configuration");
  EXPECT_EQ(preview.reloads, 1);

  fileDialogs.answers = {};
  Control<QPushButton>("CmdBackup3")->click();  // cancelled: nothing happens
  EXPECT_EQ(fileDialogs.requests.back().title, "QAV Launcher - Restore Shortcuts & Icons");
  EXPECT_EQ(fileDialogs.requests.back().initialName, "QAV Launcher Icons.bak");
  EXPECT_EQ(preview.reloads, 1);
}

}  // namespace
}  // namespace qav
