#pragma once
// Whether a notification area runs, and word when one starts or restarts. Panels start after
// the programs of a session as often as before them, and can be restarted at any time.

#include <functional>

namespace qav::platform {

class TrayHosts {
 public:
  virtual ~TrayHosts() = default;
  // A notification area ran when last looked at; answered without asking anyone.
  virtual bool Available() = 0;
  // From now on `arrived` runs on the user-interface thread each time a notification area
  // starts, or another one takes over. One that runs already is known from Available() when
  // the watch starts, or else arrives with the watch's first look.
  virtual void Watch(std::function<void()> arrived) = 0;
};

}  // namespace qav::platform
