#include "gui/dialogs/frm_input.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qav {

FrmInput::FrmInput(const std::string& prompt, const std::string& caption, const std::string& value,
                   QWidget* owner)
    : QDialog(owner), value_(value) {
  setWindowTitle("QAV Launcher Input");
  if (!caption.empty()) setWindowTitle(QString::fromStdString(caption));
  setAccessibleName(windowTitle());
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  labInput_ = new QLabel(QString::fromStdString(prompt));
  labInput_->setObjectName("LabInput");
  labInput_->setAccessibleName("Prompt");
  labInput_->setWordWrap(true);
  labInput_->setMinimumWidth(360);
  txtInput_ = new QLineEdit(QString::fromStdString(value));
  txtInput_->setObjectName("TxtInput");
  txtInput_->setAccessibleName(labInput_->text().isEmpty() ? QString("Input") : labInput_->text());
  txtInput_->selectAll();
  txtInput_->installEventFilter(this);
  labInput_->setBuddy(txtInput_);

  auto* ok = new QPushButton("&OK");
  ok->setObjectName("CmdInput0");
  ok->setAccessibleName("OK");
  auto* cancel = new QPushButton("&Cancel");
  cancel->setObjectName("CmdInput1");
  cancel->setAccessibleName("Cancel");
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel, QDialogButtonBox::RejectRole);
  connect(ok, &QPushButton::clicked, this, [this] { CmdOKClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(labInput_);
  layout->addWidget(txtInput_);
  layout->addSpacing(6);
  layout->addWidget(buttons);
  // Only a button already inside the dialog becomes its default.
  ok->setDefault(true);
  setFixedHeight(sizeHint().height());
  txtInput_->setFocus();
}

bool FrmInput::eventFilter(QObject* watched, QEvent* event) {
  // After the event: a mouse press that gave the focus would place the caret again.
  if (watched == txtInput_ && event->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, txtInput_, &QLineEdit::selectAll);
  }
  return QDialog::eventFilter(watched, event);
}

// Blanks alone change nothing, but the box still closes.
void FrmInput::CmdOKClick() {
  const QString text = txtInput_->text();
  if (!text.trimmed().isEmpty()) value_ = text.toStdString();
  accept();
}

std::string InputText(const std::string& prompt, const std::string& caption,
                      const std::string& initial, QWidget* owner, bool* accepted) {
  FrmInput box(prompt, caption, initial, owner);
  const bool ok = box.exec() == QDialog::Accepted;
  if (accepted != nullptr) *accepted = ok;
  return box.Value();
}

}  // namespace qav
