#include "gui/launcher/qt_message_boxes.h"

#include <QMessageBox>

#include "gui/text/core_texts.h"

namespace qav {
namespace {

QMessageBox::Icon ToQtIcon(platform::MessageIcon icon) {
  switch (icon) {
    case platform::MessageIcon::kInformation:
      return QMessageBox::Information;
    case platform::MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case platform::MessageIcon::kQuestion:
      return QMessageBox::Question;
    case platform::MessageIcon::kCritical:
      return QMessageBox::Critical;
    case platform::MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonPair {
  QMessageBox::StandardButton first;
  QMessageBox::StandardButton second;
};

ButtonPair ToQtButtons(platform::MessageButtons buttons) {
  switch (buttons) {
    case platform::MessageButtons::kYesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case platform::MessageButtons::kOkCancel:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case platform::MessageButtons::kOk:
      break;
  }
  return {QMessageBox::Ok, QMessageBox::NoButton};
}

platform::MessageAnswer FromQt(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return platform::MessageAnswer::kYes;
    case QMessageBox::No:
      return platform::MessageAnswer::kNo;
    case QMessageBox::Cancel:
      return platform::MessageAnswer::kCancel;
    default:
      return platform::MessageAnswer::kOk;
  }
}

}  // namespace

platform::MessageAnswer QtMessageBoxes::Show(const platform::MessageRequest& request) {
  const ButtonPair buttons = ToQtButtons(request.buttons);
  // The core's texts arrive in English and are translated here; the windows' own arrive
  // translated already and stay as they are.
  QMessageBox box(ToQtIcon(request.icon), CoreText(request.caption), MessageText(request),
                  buttons.first | buttons.second);
  box.setDefaultButton(request.defaultIsSecond && buttons.second != QMessageBox::NoButton
                           ? buttons.second
                           : buttons.first);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return FromQt(box.exec());
}

}  // namespace qav
