#include "gui/dialogs/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/dock_geometry/ring_layout.h"
#include "core/operations/ini_param.h"

namespace qav {
namespace {

constexpr int kMinIconSize = 16;
constexpr int kMaxIconSize = 128;

const char* const kIconCounts[] = {QT_TRANSLATE_NOOP("SettingsDialog", "8 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "12 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "16 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "20 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "24 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "28 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "32 icons"),
                                   QT_TRANSLATE_NOOP("SettingsDialog", "36 icons")};
const char* const kPositions[] = {QT_TRANSLATE_NOOP("SettingsDialog", "Center"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Top"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Bottom"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Left"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Right"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Top-Left"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Top-Right"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Bottom-Left"),
                                  QT_TRANSLATE_NOOP("SettingsDialog", "Bottom-Right")};

// A page's name on its tab, set off by spaces as the tabs have always been.
QString TabName(const QString& name) {
  return QStringLiteral("  %1  ").arg(name);
}

QSlider* MakeSlider(const char* name, const QString& accessibleName, int minimum, int maximum,
                    int pageStep) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(name);
  slider->setAccessibleName(accessibleName);
  slider->setRange(minimum, maximum);
  slider->setSingleStep(1);
  slider->setPageStep(pageStep);
  return slider;
}

QLabel* MakeLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  return label;
}

// A value label over a slider between its two end labels.
void AddSliderRow(QVBoxLayout* layout, QLabel* label, QSlider* slider, const QString& low,
                  const QString& high) {
  layout->addWidget(label);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(low));
  row->addWidget(slider, 1);
  row->addWidget(new QLabel(high));
  layout->addLayout(row);
  label->setBuddy(slider);
}

void AddListRow(QVBoxLayout* layout, QLabel* label, QComboBox* list) {
  auto* row = new QHBoxLayout;
  row->addWidget(label, 1);
  row->addWidget(list);
  label->setBuddy(list);
  layout->addLayout(row);
}

// `items` are marked texts, shown translated.
QComboBox* MakeList(const char* name, const QString& accessibleName,
                    std::initializer_list<const char*> items) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setAccessibleName(accessibleName);
  for (const char* item : items) list->addItem(QCoreApplication::translate("SettingsDialog", item));
  return list;
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsDialogServices services, QWidget* parent)
    : QDialog(parent), services_(services), settings_(services.state.settings) {
  setObjectName("SettingsDialog");
  setWindowTitle(QCoreApplication::translate("SettingsDialog", "QAV Launcher - Settings"));
  setAccessibleName(windowTitle());
  setModal(false);

  tabs_ = new QTabWidget;
  tabs_->setObjectName("TabSConfig");
  tabs_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Settings pages"));
  tabs_->addTab(BuildGeneralPage(),
                TabName(QCoreApplication::translate("SettingsDialog", "General")));
  tabs_->addTab(BuildAppearancePage(),
                TabName(QCoreApplication::translate("SettingsDialog", "Appearance")));
  tabs_->addTab(BuildKeysPage(), TabName(QCoreApplication::translate("SettingsDialog", "Keys")));

  auto* about =
      new QPushButton(QCoreApplication::translate("SettingsDialog", "&About  QAV Launcher"));
  about->setObjectName("Command1_0");
  about->setAccessibleName(QCoreApplication::translate("SettingsDialog", "About QAV Launcher"));
  about->setAutoDefault(false);
  auto* ok = new QPushButton(QCoreApplication::translate("SettingsDialog", "&OK"));
  ok->setObjectName("Command1_1");
  ok->setAccessibleName(QCoreApplication::translate("SettingsDialog", "OK"));
  ok->setDefault(true);
  connect(about, &QPushButton::clicked, this, [this] { services_.preview.ShowAbout(); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(about);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);

  IniConfigData();
  ConnectAppearance();
  ConnectGeneral();
  ConnectKeys();
}

QWidget* SettingsDialog::BuildAppearancePage() {
  auto* page = new QWidget;
  page->setObjectName("PicSet2");
  normalSizeLabel_ = MakeLabel("LabNormal");
  magnifiedSizeLabel_ = MakeLabel("LabMagnified");
  radiusLabel_ = MakeLabel("LabRadius");
  transparencyLabel_ = MakeLabel("LabTrans");
  iconCountLabel_ = MakeLabel("LabIconCount");
  minimizedPositionLabel_ = MakeLabel("LabMinimizedPosition");
  normalSizeSlider_ =
      MakeSlider("SldNormal", QCoreApplication::translate("SettingsDialog", "Normal Icon Size"),
                 kMinIconSize, kMaxIconSize, 8);
  magnifiedSizeSlider_ = MakeSlider(
      "SldMagnified", QCoreApplication::translate("SettingsDialog", "Magnified Icon Size"),
      kMinIconSize, kMaxIconSize, 8);
  radiusSlider_ =
      MakeSlider("SldRadius", QCoreApplication::translate("SettingsDialog", "Circle Diameter"),
                 settings_.MinRingRadius, settings_.MinRingRadius, 5);
  transparencySlider_ =
      MakeSlider("SldTrans", QCoreApplication::translate("SettingsDialog", "Opacity"), 0, 255, 8);
  iconCountList_ =
      MakeList("CombIconCount", QCoreApplication::translate("SettingsDialog", "Icon Quantity"),
               {kIconCounts[0], kIconCounts[1], kIconCounts[2], kIconCounts[3], kIconCounts[4],
                kIconCounts[5], kIconCounts[6], kIconCounts[7]});
  minimizedPositionList_ = MakeList(
      "CombMinimizedPosition", QCoreApplication::translate("SettingsDialog", "Minimized Position"),
      {kPositions[0], kPositions[1], kPositions[2], kPositions[3], kPositions[4], kPositions[5],
       kPositions[6], kPositions[7], kPositions[8]});

  const QString small = QCoreApplication::translate("SettingsDialog", "Small");
  const QString large = QCoreApplication::translate("SettingsDialog", "Large");
  auto* appearance = new QGroupBox(QCoreApplication::translate("SettingsDialog", "Appearance"));
  auto* a = new QVBoxLayout(appearance);
  AddSliderRow(a, normalSizeLabel_, normalSizeSlider_, small, large);
  AddSliderRow(a, magnifiedSizeLabel_, magnifiedSizeSlider_, small, large);
  AddSliderRow(a, radiusLabel_, radiusSlider_, small, large);
  AddListRow(a, iconCountLabel_, iconCountList_);

  auto* background = new QGroupBox(QCoreApplication::translate("SettingsDialog", "Background"));
  auto* b = new QVBoxLayout(background);
  AddSliderRow(b, transparencyLabel_, transparencySlider_,
               QCoreApplication::translate("SettingsDialog", "Min"),
               QCoreApplication::translate("SettingsDialog", "Max"));
  AddListRow(b, minimizedPositionLabel_, minimizedPositionList_);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(appearance);
  layout->addWidget(background);
  layout->addStretch(1);
  return page;
}

void SettingsDialog::IniConfigData() {
  const QSignalBlocker blockers[] = {
      QSignalBlocker(normalSizeSlider_),   QSignalBlocker(magnifiedSizeSlider_),
      QSignalBlocker(radiusSlider_),       QSignalBlocker(transparencySlider_),
      QSignalBlocker(iconCountList_),      QSignalBlocker(minimizedPositionList_),
      QSignalBlocker(autoRunCheck_),       QSignalBlocker(autoHideCheck_),
      QSignalBlocker(displayLetterCheck_), QSignalBlocker(clearTypeCheck_)};
  const SettingsRecord& record = settings_.Record;
  normalSizeSlider_->setValue(settings_.NormalIconSize);
  magnifiedSizeSlider_->setValue(settings_.MagnifiedIconSize);
  // A screen too small for the usual smallest ring lowers the lower end rather than invert the
  // range.
  const int maxRadius = std::max(settings_.MaxRadius, 1);
  radiusSlider_->setRange(std::min(settings_.MinRingRadius, maxRadius), maxRadius);
  radiusSlider_->setValue(settings_.RingRadius);
  iconCountList_->setCurrentIndex(std::clamp((settings_.IconCount - 8) / 4, 0, 7));
  minimizedPositionList_->setCurrentIndex(std::clamp<int>(record.MinimizedPosition, 0, 8));
  transparencySlider_->setValue(settings_.TintSetting.alpha);
  clearTypeCheck_->setChecked(record.ClearType == 1);
  autoRunCheck_->setChecked(settings_.AutoRun);
  autoHideCheck_->setChecked(record.AutoHide == 1);
  displayLetterCheck_->setChecked(record.HideShortcutLetters == 1);
  rememberedMagnified_ = settings_.MagnifiedIconSize;
  UpdateLabels();
}

void SettingsDialog::UpdateLabels() {
  normalSizeLabel_->setText(
      QCoreApplication::translate("SettingsDialog", "Normal Icon Size:  %1  Pixels")
          .arg(normalSizeSlider_->value()));
  magnifiedSizeLabel_->setText(
      QCoreApplication::translate("SettingsDialog", "Magnified Icon Size:  %1  Pixels")
          .arg(magnifiedSizeSlider_->value()));
  radiusLabel_->setText(
      QCoreApplication::translate("SettingsDialog", "Circle Diameter:  %1  Pixels")
          .arg(2 * radiusSlider_->value()));
  transparencyLabel_->setText(QCoreApplication::translate("SettingsDialog", "Opacity:  %1")
                                  .arg(transparencySlider_->value()));
  iconCountLabel_->setText(
      QCoreApplication::translate("SettingsDialog", "Icon Quantity:  %1  Icons")
          .arg(settings_.IconCount));
  minimizedPositionLabel_->setText(
      QCoreApplication::translate("SettingsDialog", "Current Minimized Position: %1")
          .arg(minimizedPositionList_->currentText()));
}

void SettingsDialog::ConnectAppearance() {
  connect(normalSizeSlider_, &QSlider::sliderPressed, this, [this] { NormalPressed(); });
  connect(normalSizeSlider_, &QSlider::valueChanged, this,
          [this](int value) { NormalChanged(value); });
  connect(normalSizeSlider_, &QSlider::sliderReleased, this, [this] { NormalReleased(); });
  connect(magnifiedSizeSlider_, &QSlider::valueChanged, this,
          [this](int value) { MagnifiedChanged(value); });
  connect(magnifiedSizeSlider_, &QSlider::sliderReleased, this, [this] { Relayout(2); });
  connect(radiusSlider_, &QSlider::valueChanged, this, [this](int value) { RadiusChanged(value); });
  connect(transparencySlider_, &QSlider::sliderPressed, this, [this] { TransHeld(true); });
  connect(transparencySlider_, &QSlider::sliderReleased, this, [this] { TransHeld(false); });
  connect(transparencySlider_, &QSlider::valueChanged, this,
          [this](int value) { TransChanged(value); });
  connect(iconCountList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { IconCountChosen(index); });
  connect(minimizedPositionList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { MinimizedPositionChosen(index); });
}

void SettingsDialog::Relayout(int mode) {
  AppState& state = services_.state;
  state.imageSlots.Sizes[1] = settings_.NormalIconSize;
  state.imageSlots.Sizes[2] = settings_.MagnifiedIconSize;
  CalcRingLayout(state.ring, state.screen,
                 {settings_.NormalIconSize, settings_.MagnifiedIconSize, settings_.RingRadius,
                  settings_.IconCount});
  services_.preview.RingChanged(mode);
}

void SettingsDialog::NormalPressed() {
  rememberedMagnified_ = settings_.MagnifiedIconSize;
}

// While the normal size is dragged, the magnified size is pushed up along with it and falls back
// to what it was at the press when the normal size comes down again.
void SettingsDialog::NormalChanged(int value) {
  // A step from the keyboard is a whole press, move and release.
  const bool stepped = !normalSizeSlider_->isSliderDown();
  if (stepped) NormalPressed();
  settings_.NormalIconSize = value;
  settings_.MagnifiedIconSize = std::max(value, rememberedMagnified_);
  {
    const QSignalBlocker blocker(magnifiedSizeSlider_);
    magnifiedSizeSlider_->setValue(settings_.MagnifiedIconSize);
  }
  UpdateLabels();
  Relayout(1);
  if (stepped) NormalReleased();
}

void SettingsDialog::NormalReleased() {
  services_.state.imageSlots.Sizes[1] = settings_.NormalIconSize;
  services_.preview.RebuildSizedImages(1);
  if (settings_.NormalIconSize > rememberedMagnified_) Relayout(2);
}

void SettingsDialog::MagnifiedChanged(int value) {
  settings_.MagnifiedIconSize = value;
  UpdateLabels();
  if (!magnifiedSizeSlider_->isSliderDown()) Relayout(2);
}

// The user's choice is what the file keeps, also when it was made on a smaller screen.
void SettingsDialog::RadiusChanged(int value) {
  settings_.RingRadius = value;
  settings_.StoredRingRadius = 0;
  UpdateLabels();
  Relayout(0);
}

// Holding the opacity slider tints the whole screen so the user sees what the value means.
void SettingsDialog::TransHeld(bool held) {
  services_.state.TintMode = held;
  services_.preview.DockNormal();
}

void SettingsDialog::TransChanged(int value) {
  settings_.TintSetting.alpha = static_cast<std::uint8_t>(value);
  settings_.TintColour = settings_.TintSetting;
  UpdateLabels();
  services_.preview.DockNormal();
}

void SettingsDialog::IconCountChosen(int index) {
  if (index < 0) return;
  settings_.IconCount = 8 + 4 * index;
  UpdateLabels();
  Relayout(0);
}

void SettingsDialog::MinimizedPositionChosen(int index) {
  if (index < 0) return;
  settings_.Record.MinimizedPosition = static_cast<std::uint8_t>(index);
  UpdateLabels();
  AppState& state = services_.state;
  // The dock takes the new place the next time it is minimized.
  SetMinimizedPosition(state.ring, state.screen, index);
}

void SettingsDialog::done(int result) {
  if (!closed_) {
    closed_ = true;
    // Leaving while the opacity slider is held must not leave the screen tinted.
    if (services_.state.TintMode && transparencySlider_->isSliderDown()) TransHeld(false);
    AppState& state = services_.state;
    SaveSettingsFile(settings_, state, services_.platform);
    services_.platform.process.TrimWorkingSet();
  }
  QDialog::done(result);
}

}  // namespace qav
