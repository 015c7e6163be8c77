#include "gui/dialogs/input_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/text/core_texts.h"

namespace qav {

InputDialog::InputDialog(const std::string& prompt, const std::string& caption,
                         const std::string& value, QWidget* owner)
    : QDialog(owner), value_(value) {
  // The prompt and caption are the core's or already translated by the window that asks.
  setWindowTitle(QCoreApplication::translate("InputDialog", "QAV Launcher Input"));
  if (!caption.empty()) setWindowTitle(CoreText(caption));
  setAccessibleName(windowTitle());
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  promptLabel_ = new QLabel(CoreText(prompt));
  promptLabel_->setObjectName("LabInput");
  promptLabel_->setAccessibleName(QCoreApplication::translate("InputDialog", "Prompt"));
  promptLabel_->setWordWrap(true);
  promptLabel_->setMinimumWidth(360);
  inputEdit_ = new QLineEdit(QString::fromStdString(value));
  inputEdit_->setObjectName("TxtInput");
  inputEdit_->setAccessibleName(promptLabel_->text().isEmpty()
                                    ? QCoreApplication::translate("InputDialog", "Input")
                                    : promptLabel_->text());
  inputEdit_->selectAll();
  inputEdit_->installEventFilter(this);
  promptLabel_->setBuddy(inputEdit_);

  auto* ok = new QPushButton(QCoreApplication::translate("InputDialog", "&OK"));
  ok->setObjectName("CmdInput0");
  ok->setAccessibleName(QCoreApplication::translate("InputDialog", "OK"));
  auto* cancel = new QPushButton(QCoreApplication::translate("InputDialog", "&Cancel"));
  cancel->setObjectName("CmdInput1");
  cancel->setAccessibleName(QCoreApplication::translate("InputDialog", "Cancel"));
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel, QDialogButtonBox::RejectRole);
  connect(ok, &QPushButton::clicked, this, [this] { CmdOKClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(promptLabel_);
  layout->addWidget(inputEdit_);
  layout->addSpacing(6);
  layout->addWidget(buttons);
  // Only a button already inside the dialog becomes its default.
  ok->setDefault(true);
  setFixedHeight(sizeHint().height());
  inputEdit_->setFocus();
}

bool InputDialog::eventFilter(QObject* watched, QEvent* event) {
  // After the event: a mouse press that gave the focus would place the caret again.
  if (watched == inputEdit_ && event->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, inputEdit_, &QLineEdit::selectAll);
  }
  return QDialog::eventFilter(watched, event);
}

// Blanks alone change nothing, but the box still closes.
void InputDialog::CmdOKClick() {
  const QString text = inputEdit_->text();
  if (!text.trimmed().isEmpty()) value_ = text.toStdString();
  accept();
}

std::string InputText(const std::string& prompt, const std::string& caption,
                      const std::string& initial, QWidget* owner, bool* accepted) {
  InputDialog box(prompt, caption, initial, owner);
  const bool ok = box.exec() == QDialog::Accepted;
  if (accepted != nullptr) *accepted = ok;
  return box.Value();
}

}  // namespace qav
