#pragma once
// The requests another start of the program sends to the running dock, and its answers: one line
// each way. A request is "QAV1 <verb>" or "QAV1 <verb> <argument>"; an answer is "OK <text>" or
// "ERR <text>", where a failure may add a tab and the reason it failed. The version word lets a
// later program refuse what it does not speak.

#include <optional>
#include <string>
#include <string_view>

#include "platform/control_channel.h"

namespace qav {

enum class RemoteVerb {
  kShow,
  kKeyboard,
  kSearch,
  kSwitch,
  kMinimize,
  kSettings,
  kAbout,
  kQuit,
  kBackupConfig,
  kRestoreConfig,
  kBackupIcons,
  kRestoreIcons,
  kResetSettings,
  kResetShortcuts,
};

struct RemoteRequest {
  RemoteVerb verb = RemoteVerb::kShow;
  std::string argument;  // the file of a backup or restore, the text of a search, else empty
  bool operator==(const RemoteRequest&) const = default;
};

struct RemoteAnswer {
  bool ok = false;
  std::string text;
  // Why it failed, when the text (the program's own message) does not say; else empty.
  std::string reason;
  bool operator==(const RemoteAnswer&) const = default;
};

// The longest line either side reads; a longer one is refused.
inline constexpr std::size_t kRemoteLineLimit = platform::kControlLineLimit;

// The verb as it is spelt on the wire and, with "--" before it, on the command line.
std::string_view VerbName(RemoteVerb verb);
std::optional<RemoteVerb> VerbNamed(std::string_view name);
// The verbs that name a file.
bool VerbTakesFile(RemoteVerb verb);
// Whether the verb may carry a text (the search's).
bool VerbTakesText(RemoteVerb verb);
// The verbs that change the configuration files.
bool IsDataOperation(RemoteVerb verb);
// The verbs that start a dock when none runs.
bool VerbStartsDock(RemoteVerb verb);

// Lines without their line break. Empty when the request cannot travel (a line break or control
// character in the file name).
std::string EncodeRequest(const RemoteRequest& request);
// Takes one line without its line break; nothing for anything but a well-formed known request.
std::optional<RemoteRequest> DecodeRequest(std::string_view line);

std::string EncodeAnswer(const RemoteAnswer& answer);
std::optional<RemoteAnswer> DecodeAnswer(std::string_view line);

}  // namespace qav
