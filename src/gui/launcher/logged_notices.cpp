#include "gui/launcher/logged_notices.h"

#include <cstdio>

namespace qav {

platform::MessageAnswer LoggedNotices::Show(const platform::MessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  if (notify_) notify_(request.caption, request.text);
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
