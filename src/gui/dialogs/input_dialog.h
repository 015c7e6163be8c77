#pragma once
// The one-line input box: a prompt, a text field with the current value, OK and Cancel.

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;

namespace qav {

class InputDialog final : public QDialog {
 public:
  // An empty caption keeps the box's own ("QAV Launcher Input").
  InputDialog(const std::string& prompt, const std::string& caption, const std::string& value,
              QWidget* owner = nullptr);

  // The initial text until OK takes a text that is more than blanks.
  const std::string& Value() const { return value_; }
  QLineEdit& Field() { return *inputEdit_; }

  void CmdOKClick();

 protected:
  // Whichever way the field gets the focus, its whole text is selected, ready to be replaced.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string value_;
  QLabel* promptLabel_ = nullptr;
  QLineEdit* inputEdit_ = nullptr;
};

// Shows the input box modally and returns the text it was left with: the initial text when the
// user cancels or enters only blanks. `accepted` (when given) tells whether OK ended it.
std::string InputText(const std::string& prompt, const std::string& caption,
                      const std::string& initial, QWidget* owner = nullptr,
                      bool* accepted = nullptr);

}  // namespace qav
