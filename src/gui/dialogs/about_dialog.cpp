#include "gui/dialogs/about_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qav {
namespace {

constexpr const char* kThanks = QT_TRANSLATE_NOOP(
    "AboutDialog",
    "Thanks to everyone who tried the early versions, reported faults and suggested ideas, and "
    "to the people behind Qt, the X Window System and the freedesktop.org standards this "
    "launcher stands on.");

// A link drawn as text: underlined while the mouse is over it or it has the keyboard focus;
// Enter or Space opens it like a click.
QPushButton* LinkButton(const QString& text, const char* objectName, const QString& name) {
  auto* link = new QPushButton(text);
  link->setObjectName(objectName);
  link->setAccessibleName(name);
  link->setFlat(true);
  link->setCursor(Qt::PointingHandCursor);
  link->setStyleSheet(
      "QPushButton { color: palette(link); border: none; padding: 1px 0; text-align: left; }"
      "QPushButton:hover, QPushButton:focus { text-decoration: underline; }");
  return link;
}

}  // namespace

QString AboutDialog::AboutText(int major, int minor, int revision) {
  return QCoreApplication::translate("AboutDialog",
                                     "QAV Launcher  %1.%2.%3\n\nA Powerful Application Launcher")
      .arg(major)
      .arg(minor)
      .arg(revision);
}

AboutDialog::AboutDialog(AboutInfo info, QWidget* owner) : QDialog(owner), info_(std::move(info)) {
  setWindowTitle(QCoreApplication::translate("AboutDialog", "About QAV Launcher"));
  setAccessibleName(windowTitle());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* picture = new QLabel;
  picture->setObjectName("PicAbout");
  picture->setAccessibleName(QCoreApplication::translate("AboutDialog", "QAV Launcher picture"));
  picture->setPixmap(QPixmap(":/app/qav-launcher.png")
                         .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* about = new QLabel(AboutText(info_.major, info_.minor, info_.revision));
  about->setObjectName("LabAbout");
  about->setAccessibleName(about->text());
  QFont big = about->font();
  big.setPointSizeF(big.pointSizeF() * 1.15);
  about->setFont(big);
  auto* os = new QLabel(QString::fromStdString(info_.osName));
  os->setObjectName("LabOS");
  os->setAccessibleName(
      QCoreApplication::translate("AboutDialog", "Operating system: %1").arg(os->text()));
  os->setWordWrap(true);

  auto* support = LinkButton("support@brevona.com", "LabHome0",
                             QCoreApplication::translate("AboutDialog", "Support mail"));
  auto* home = LinkButton("www.brevona.com", "LabHome1",
                          QCoreApplication::translate("AboutDialog", "Web site"));
  connect(support, &QPushButton::clicked, this, [this] { LabHomeClick(0); });
  connect(home, &QPushButton::clicked, this, [this] { LabHomeClick(1); });

  auto* thanks = new QPlainTextEdit(QCoreApplication::translate("AboutDialog", kThanks));
  thanks->setObjectName("TxtSpecialThanks");
  thanks->setAccessibleName(QCoreApplication::translate("AboutDialog", "Special thanks"));
  thanks->setReadOnly(true);
  thanks->setTabChangesFocus(true);
  thanks->setFixedHeight(72);

  auto* ok = new QPushButton(QCoreApplication::translate("AboutDialog", "&OK"));
  ok->setObjectName("Command1");
  ok->setAccessibleName(QCoreApplication::translate("AboutDialog", "OK"));
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(about);
  text->addWidget(os);
  text->addSpacing(6);
  text->addWidget(support, 0, Qt::AlignLeft);
  text->addWidget(home, 0, Qt::AlignLeft);
  text->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addSpacing(12);
  top->addLayout(text, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(thanks);
  layout->addWidget(buttons);
  // Only a button already inside the dialog becomes its default.
  ok->setDefault(true);
  setMinimumWidth(420);
  ok->setFocus();
}

void AboutDialog::LabHomeClick(int index) {
  if (info_.open) info_.open(index == 0 ? kSupportAddress : kHomeAddress);
}

}  // namespace qav
