#pragma once
// The open and save dialogs of every window: the program's "description|patterns" filters, a
// proposed name or starting folder, and the length limit of the stored paths.

#include <QString>

#include <string>

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"

class QWidget;

namespace qav {

class QtFileDialogs final : public platform::FileDialogs {
 public:
  explicit QtFileDialogs(platform::MessageBoxes& messages) : messages_(messages) {}

  // The window the dialogs are modal to; none gives an application-modal dialog.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // A dialog given no folder starts where the last chosen file was, else in the user's home:
  // never in the working folder the program happened to be started from.
  std::string ShowFileDialog(const platform::FileDialogRequest& request) override;

 private:
  platform::MessageBoxes& messages_;
  QWidget* owner_ = nullptr;
  QString lastFolder_;
};

// "*.bmp;*.png|*.bmp;*.png|*.*|*.*" (description|patterns pairs) as a Qt file-dialog filter.
std::string QtFileFilter(const std::string& filter);

// A proposed name this long no longer fits the stored path fields.
bool FileNameOverflows(const std::string& initialName);

}  // namespace qav
