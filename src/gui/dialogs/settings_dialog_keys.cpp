// The settings window's "Keys" page: which combination, if any, each of the three hot keys has.
// A change is taken at once and kept in the hot-key file; a combination another program holds
// is kept too, and the user told it does nothing for now.

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/environment/hot_key_file.h"
#include "gui/dialogs/settings_dialog.h"
#include "gui/text/core_texts.h"

namespace qav {
namespace {

using platform::HotKey;
using platform::KeyCombination;

struct QtKeyName {
  Qt::Key key;
  const char* name;
};

constexpr QtKeyName kQtKeys[] = {
    {Qt::Key_Space, "Space"},         {Qt::Key_Tab, "Tab"},       {Qt::Key_Backtab, "Tab"},
    {Qt::Key_Return, "Return"},       {Qt::Key_Enter, "Return"},  {Qt::Key_Escape, "Escape"},
    {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Insert, "Insert"}, {Qt::Key_Delete, "Delete"},
    {Qt::Key_Home, "Home"},           {Qt::Key_End, "End"},       {Qt::Key_PageUp, "PageUp"},
    {Qt::Key_PageDown, "PageDown"},   {Qt::Key_Left, "Left"},     {Qt::Key_Up, "Up"},
    {Qt::Key_Right, "Right"},         {Qt::Key_Down, "Down"},     {Qt::Key_Pause, "Pause"},
    {Qt::Key_Print, "Print"}};

constexpr std::pair<Qt::KeyboardModifier, unsigned> kQtModifiers[] = {
    {Qt::ControlModifier, platform::kCtrl},
    {Qt::ShiftModifier, platform::kShift},
    {Qt::AltModifier, platform::kAlt},
    {Qt::MetaModifier, platform::kSuper}};

// The name of a Qt key as the hot-key file writes it; empty for keys it has no name for.
std::string KeyName(Qt::Key key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::string(1, static_cast<char>(key));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return std::string(1, static_cast<char>(key));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return "F" + std::to_string(key - Qt::Key_F1 + 1);
  for (const QtKeyName& named : kQtKeys) {
    if (named.key == key) return named.name;
  }
  return {};
}

Qt::Key QtKeyOf(const std::string& name) {
  if (name.size() == 1) return static_cast<Qt::Key>(name[0]);
  if (platform::IsFunctionKey(name)) {
    return static_cast<Qt::Key>(Qt::Key_F1 + std::stoi(name.substr(1)) - 1);
  }
  for (const QtKeyName& named : kQtKeys) {
    if (named.name == name) return named.key;
  }
  return Qt::Key_unknown;
}

// "Ctrl+Alt+K" as the recorder shows it.
QKeySequence SequenceOf(const std::optional<KeyCombination>& combination) {
  if (!combination) return {};
  Qt::KeyboardModifiers modifiers;
  for (const auto& [qt, bit] : kQtModifiers) {
    if (combination->modifiers & bit) modifiers |= qt;
  }
  return QKeySequence(QKeyCombination(modifiers, QtKeyOf(combination->key)));
}

// The recorder's first combination in the file's words: "Ctrl+Alt+K".
std::string TextOf(const QKeyCombination& pressed) {
  const std::string key = KeyName(pressed.key());
  if (key.empty()) return QKeySequence(pressed).toString().toStdString();
  KeyCombination combination{0, key};
  for (const auto& [qt, bit] : kQtModifiers) {
    if (pressed.keyboardModifiers() & qt) combination.modifiers |= bit;
  }
  return platform::CombinationText(combination);
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Purpose(HotKey key) {
  return CoreText(HotKeyPurpose(key));
}

}  // namespace

QWidget* SettingsDialog::BuildKeysPage() {
  auto* page = new QWidget;
  page->setObjectName("PicSet3");
  auto* keys = new QGroupBox(QCoreApplication::translate("SettingsDialog", "Hot Keys"));
  auto* grid = new QGridLayout(keys);
  for (HotKey key : platform::kAllHotKeys) {
    const auto i = static_cast<int>(key);
    const QString purpose = Purpose(key);
    auto* label = new QLabel(purpose + ":");
    hotKeyEdits_[i] = new QKeySequenceEdit;
    hotKeyEdits_[i]->setObjectName(QStringLiteral("KeyEdit%1").arg(i));
    hotKeyEdits_[i]->setAccessibleName(purpose);
    // The recorder takes every key, Tab too: the keyboard reaches it through "Change".
    hotKeyEdits_[i]->setFocusPolicy(Qt::ClickFocus);
    if (auto* line = hotKeyEdits_[i]->findChild<QLineEdit*>()) line->setAccessibleName(purpose);
    label->setBuddy(hotKeyEdits_[i]);
    hotKeyChangeButtons_[i] =
        new QPushButton(QCoreApplication::translate("SettingsDialog", "Change..."));
    hotKeyChangeButtons_[i]->setObjectName(QStringLiteral("KeyChange%1").arg(i));
    hotKeyChangeButtons_[i]->setAccessibleName(
        QCoreApplication::translate("SettingsDialog", "Change: %1").arg(purpose));
    hotKeyChangeButtons_[i]->setAutoDefault(false);
    hotKeyNoneButtons_[i] = new QPushButton(QCoreApplication::translate("SettingsDialog", "None"));
    hotKeyNoneButtons_[i]->setObjectName(QStringLiteral("KeyNone%1").arg(i));
    hotKeyNoneButtons_[i]->setAccessibleName(
        QCoreApplication::translate("SettingsDialog", "No hot key: %1").arg(purpose));
    hotKeyNoneButtons_[i]->setAutoDefault(false);
    grid->addWidget(label, i, 0);
    grid->addWidget(hotKeyEdits_[i], i, 1);
    grid->addWidget(hotKeyChangeButtons_[i], i, 2);
    grid->addWidget(hotKeyNoneButtons_[i], i, 3);
  }
  defaultKeysButton_ =
      new QPushButton(QCoreApplication::translate("SettingsDialog", "Restore Default Keys"));
  defaultKeysButton_->setObjectName("KeyDefaults");
  defaultKeysButton_->setAccessibleName(defaultKeysButton_->text());
  defaultKeysButton_->setAutoDefault(false);
  grid->addWidget(defaultKeysButton_, 3, 0, 1, 4, Qt::AlignLeft);

  auto* about = new QLabel(QCoreApplication::translate(
      "SettingsDialog",
      "These combinations reach QAV Launcher from every program, which then no longer gets "
      "them; in QAV Launcher's own windows they keep their usual meaning. Where the window "
      "manager keeps Alt+Space, bind the command \"qav-launcher --keyboard\" to a shortcut in the "
      "desktop's keyboard settings, or choose another combination here."));
  about->setWordWrap(true);
  keysLabel_ = new QLabel;
  keysLabel_->setObjectName("LabKeys");
  keysLabel_->setWordWrap(true);
  keysLabel_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Hot key state"));

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(keys);
  layout->addWidget(about);
  layout->addWidget(keysLabel_);
  layout->addStretch(1);
  hotKeys_ = services_.preview.HotKeys();
  ShowHotKeys();
  return page;
}

void SettingsDialog::ConnectKeys() {
  for (int i = 0; i < 3; ++i) {
    connect(hotKeyChangeButtons_[i], &QPushButton::clicked, this, [this, i] { RecordHotKey(i); });
    connect(hotKeyEdits_[i], &QKeySequenceEdit::editingFinished, this,
            [this, i] { HotKeyRecorded(i); });
    connect(hotKeyNoneButtons_[i], &QPushButton::clicked, this, [this, i] {
      platform::HotKeyBindings next = hotKeys_;
      next[static_cast<std::size_t>(i)].reset();
      TakeHotKeys(next, i);
    });
  }
  connect(defaultKeysButton_, &QPushButton::clicked, this,
          [this] { TakeHotKeys(platform::DefaultHotKeys(), -1); });
}

void SettingsDialog::ShowHotKeys() {
  for (int i = 0; i < 3; ++i) {
    hotKeyEdits_[i]->setKeySequence(SequenceOf(hotKeys_[static_cast<std::size_t>(i)]));
  }
}

void SettingsDialog::RecordHotKey(int action) {
  hotKeyEdits_[action]->clear();
  hotKeyEdits_[action]->setFocus(Qt::OtherFocusReason);
  keysLabel_->setText(
      QCoreApplication::translate("SettingsDialog", "Press the new combination for \"%1\".")
          .arg(Purpose(static_cast<HotKey>(action))));
}

void SettingsDialog::HotKeyRecorded(int action) {
  const QKeySequence recorded = hotKeyEdits_[action]->keySequence();
  hotKeyChangeButtons_[action]->setFocus(Qt::OtherFocusReason);
  if (recorded.isEmpty()) {
    ShowHotKeys();
    return;
  }
  const std::string text = TextOf(recorded[0]);
  const FilledText problem = CombinationProblemText(text);
  if (!problem.pattern.empty()) {
    ShowHotKeys();
    keysLabel_->setText(QCoreApplication::translate("SettingsDialog", "%1 cannot be a hot key: %2.")
                            .arg(Text(text), CoreText(problem)));
    return;
  }
  const KeyCombination combination = *ParseCombination(text);
  for (HotKey other : platform::kAllHotKeys) {
    const auto o = static_cast<std::size_t>(other);
    if (static_cast<int>(o) == action || hotKeys_[o] != combination) continue;
    ShowHotKeys();
    keysLabel_->setText(
        QCoreApplication::translate("SettingsDialog", "%1 already does something else: %2.")
            .arg(Text(text), Purpose(other)));
    return;
  }
  platform::HotKeyBindings next = hotKeys_;
  next[static_cast<std::size_t>(action)] = combination;
  TakeHotKeys(next, action);
}

// Taken at once and kept in the hot-key file; what another program holds is said.
void SettingsDialog::TakeHotKeys(const platform::HotKeyBindings& bindings, int changed) {
  hotKeys_ = bindings;
  ShowHotKeys();
  const std::vector<HotKey> refused = services_.preview.ApplyHotKeys(bindings);
  const Result saved =
      WriteHotKeyFile(services_.platform.files, services_.state.paths.HotKeyFile, bindings);
  QString text;
  if (changed >= 0) {
    const auto& combination = bindings[static_cast<std::size_t>(changed)];
    const QString purpose = Purpose(static_cast<HotKey>(changed));
    text = combination
               ? QCoreApplication::translate("SettingsDialog",
                                             "%1 now does this from every program: %2.")
                     .arg(Text(platform::CombinationText(*combination)), purpose)
               : QCoreApplication::translate("SettingsDialog", "No hot key now does this: %1.")
                     .arg(purpose);
  } else {
    text = QCoreApplication::translate("SettingsDialog", "The hot keys are the usual ones again.");
  }
  for (HotKey key : refused) {
    text +=
        " " + QCoreApplication::translate(
                  "SettingsDialog",
                  "%1 is held by another program (often the window manager), so it does "
                  "nothing until that program lets it go.")
                  .arg(Text(platform::CombinationText(*bindings[static_cast<std::size_t>(key)])));
  }
  keysLabel_->setText(text);
  if (!saved) {
    services_.platform.messages.Show(platform::FilledMessage(
        saved.ErrorText(),
        QCoreApplication::translate("SettingsDialog", "QAV Launcher").toStdString(),
        platform::MessageIcon::kExclamation, platform::MessageButtons::kOk));
  }
}

}  // namespace qav
