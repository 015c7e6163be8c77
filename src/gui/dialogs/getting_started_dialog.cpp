#include "gui/dialogs/getting_started_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qav {
namespace {

// What each page shows, for screen readers (the pictures carry the same words).
constexpr const char* kPageNames[kStartedPages] = {
    QT_TRANSLATE_NOOP("GettingStartedDialog",
                      "Page 1 of 6: Welcome. Click an icon of the ring to start it; point at it to "
                      "see its title."),
    QT_TRANSLATE_NOOP("GettingStartedDialog",
                      "Page 2 of 6: Drop files, folders or web addresses on the ring to add them."),
    QT_TRANSLATE_NOOP(
        "GettingStartedDialog",
        "Page 3 of 6: Click a group to open its menu; drag an item out to remove it."),
    QT_TRANSLATE_NOOP("GettingStartedDialog",
                      "Page 4 of 6: Alt+Space labels every icon with a key; Shift+Tab shows the "
                      "desktop; Ctrl+Tab minimizes the launcher. Choose other keys, or none, on "
                      "the Keys page of the settings."),
    QT_TRANSLATE_NOOP("GettingStartedDialog",
                      "Page 5 of 6: Right-click an icon for its properties; the tray icon brings "
                      "the launcher back. Press F1 to see these pages again."),
    QT_TRANSLATE_NOOP("GettingStartedDialog",
                      "Page 6 of 6: Type to search. In keyboard mode, / opens the search line, as "
                      "does any key that labels no icon. Arrows and Page keys choose a result, "
                      "Enter starts it, Alt with a row's key starts that row; Esc clears the "
                      "line, a second Esc closes the search.")};

}  // namespace

GettingStartedDialog::GettingStartedDialog(std::int16_t& startedPage, std::function<void()> save,
                                           QWidget* owner)
    : QDialog(owner), startedPage_(startedPage), save_(std::move(save)) {
  setWindowTitle(
      QCoreApplication::translate("GettingStartedDialog", "QAV Launcher Getting Started"));
  setAccessibleName(windowTitle());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  pages_ = new QStackedWidget;
  pages_->setObjectName("PicStarted");
  for (int p = 0; p < kStartedPages; ++p) {
    auto* picture = new QLabel;
    picture->setObjectName(QString("PicStarted%1").arg(p));
    picture->setAccessibleName(QCoreApplication::translate("GettingStartedDialog", kPageNames[p]));
    picture->setFixedSize(640, 400);
    picture->setAlignment(Qt::AlignCenter);
    pages_->addWidget(picture);
  }

  dontShowAgainCheck_ =
      new QCheckBox(QCoreApplication::translate("GettingStartedDialog", "Don't show again"));
  dontShowAgainCheck_->setObjectName("ChkStarted");
  dontShowAgainCheck_->setAccessibleName(dontShowAgainCheck_->text());
  last_ = new QPushButton(QCoreApplication::translate("GettingStartedDialog", "<< Last"));
  next_ = new QPushButton(QCoreApplication::translate("GettingStartedDialog", "Next >>"));
  auto* cancel = new QPushButton(QCoreApplication::translate("GettingStartedDialog", "Cancel"));
  const QString names[] = {QCoreApplication::translate("GettingStartedDialog", "Last"),
                           QCoreApplication::translate("GettingStartedDialog", "Next"),
                           cancel->text()};
  int index = 0;
  for (QPushButton* button : {last_, next_, cancel}) {
    button->setObjectName(QString("Cmd%1").arg(index));
    button->setAccessibleName(names[index]);
    connect(button, &QPushButton::clicked, this, [this, index] { CmdClick(index); });
    ++index;
  }

  auto* row = new QHBoxLayout;
  row->addWidget(dontShowAgainCheck_);
  row->addStretch();
  row->addWidget(last_);
  row->addWidget(next_);
  row->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(row);
  // Only a button already inside the dialog becomes its default.
  next_->setDefault(true);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  page_ = startedPage_;
  if (page_ < 0 || page_ >= kStartedPages) page_ = 0;
  ShowPage();
  next_->setFocus();
}

// A page's picture is a megabyte once decoded: only the page on show holds one.
void GettingStartedDialog::ShowPage() {
  last_->setEnabled(page_ > 0);
  next_->setEnabled(page_ < kStartedPages - 1);
  if (auto* shown = qobject_cast<QLabel*>(pages_->currentWidget())) shown->setPixmap({});
  if (auto* picture = qobject_cast<QLabel*>(pages_->widget(page_))) {
    picture->setPixmap(QPixmap(QString(":/started/PAGE%1.png").arg(page_ + 1)));
  }
  pages_->setCurrentIndex(page_);
}

void GettingStartedDialog::CmdClick(int index) {
  if (index == 2) {
    reject();
    return;
  }
  page_ = std::clamp(page_ + (index == 0 ? -1 : 1), 0, kStartedPages - 1);
  startedPage_ = static_cast<std::int16_t>(page_);
  ShowPage();
  // A button that just went grey would leave the keyboard nowhere.
  if (!last_->isEnabled() && last_->hasFocus()) next_->setFocus();
  if (!next_->isEnabled() && next_->hasFocus()) last_->setFocus();
}

// However the window ends (a button, Esc, the title bar), the choice is stored once.
void GettingStartedDialog::done(int result) {
  if (!closed_) {
    closed_ = true;
    if (dontShowAgainCheck_->isChecked()) startedPage_ = kStartedOff;
    if (save_) save_();
  }
  QDialog::done(result);
}

}  // namespace qav
