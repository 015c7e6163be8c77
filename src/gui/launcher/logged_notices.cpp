#include "gui/launcher/logged_notices.h"

#include <cstdio>

#include "gui/text/core_texts.h"

namespace qav {

platform::MessageAnswer LoggedNotices::Show(const platform::MessageRequest& request) {
  // The error output keeps the English a report can be searched for; the notice is for the user.
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  if (notify_) {
    notify_(CoreText(request.caption).toStdString(), MessageText(request).toStdString());
  }
  switch (request.buttons) {
    case platform::MessageButtons::kYesNo:
      return request.defaultIsSecond ? platform::MessageAnswer::kNo : platform::MessageAnswer::kYes;
    case platform::MessageButtons::kOkCancel:
      return request.defaultIsSecond ? platform::MessageAnswer::kCancel
                                     : platform::MessageAnswer::kOk;
    case platform::MessageButtons::kOk:
      break;
  }
  return platform::MessageAnswer::kOk;
}

}  // namespace qav
