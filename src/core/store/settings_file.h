#pragma once
// The settings file "QAVCfg.cfg": one 564-byte settings record, validated against the largest
// attached screen when read.

#include <functional>
#include <string>

#include "base/result.h"
#include "core/environment/screen_metrics.h"
#include "core/store/records.h"
#include "core/store/settings.h"
#include "platform/file_ops.h"

namespace qav {

struct SettingsFileContext {
  std::string settingsFile;  // the file itself; its twin is this + ".bak"
  std::string userIconFile;
  const ScreenMetrics& screen;  // what stored values are checked against: the largest screen
  platform::FileOps& files;
  // Registers the program to start with the session; true when the entry names it afterwards.
  std::function<bool(bool)> setAutoRun;
};

// Saves the working settings (and record 0's picture path). A failure carries the message the user
// is shown. The ring radius saved is the user's, not one fitted to a smaller screen.
Result WriteSettingsFile(Settings& settings, const ShortcutRecord& userRecord,
                         const SettingsFileContext& context);

// Reads the file over the defaults already in place, keeping the defaults for every value that is
// out of range. Also points record 0 at the user's picture. Succeeds when a file was read; a
// failure says why none could be.
Result ReadSettingsFile(Settings& settings, ShortcutRecord& userRecord,
                        const SettingsFileContext& context);

// The defaults of the three spare position fields for this screen.
long DefaultSpareX(const ScreenMetrics& screen);
long DefaultSpareY(const ScreenMetrics& screen);

}  // namespace qav
