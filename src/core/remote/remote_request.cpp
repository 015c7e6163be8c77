#include "core/remote/remote_request.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qav {
namespace {

constexpr std::string_view kVersionWord = "QAV1";
// Between an answer's text and the reason of a failure.
constexpr char kReasonMark = '\t';

struct VerbInfo {
  RemoteVerb verb;
  std::string_view name;
  bool takesFile;
  bool takesText = false;  // an optional text
};

constexpr std::array<VerbInfo, 14> kVerbs{{
    {RemoteVerb::kShow, "show", false},
    {RemoteVerb::kKeyboard, "keyboard", false},
    {RemoteVerb::kSearch, "search", false, true},
    {RemoteVerb::kSwitch, "switch", false},
    {RemoteVerb::kMinimize, "minimize", false},
    {RemoteVerb::kSettings, "settings", false},
    {RemoteVerb::kAbout, "about", false},
    {RemoteVerb::kQuit, "quit", false},
    {RemoteVerb::kBackupConfig, "backup-config", true},
    {RemoteVerb::kRestoreConfig, "restore-config", true},
    {RemoteVerb::kBackupIcons, "backup-icons", true},
    {RemoteVerb::kRestoreIcons, "restore-icons", true},
    {RemoteVerb::kResetSettings, "reset-settings", false},
    {RemoteVerb::kResetShortcuts, "reset-shortcuts", false},
}};

const VerbInfo& InfoOf(RemoteVerb verb) {
  return *std::find_if(kVerbs.begin(), kVerbs.end(),
                       [verb](const VerbInfo& info) { return info.verb == verb; });
}

bool Printable(std::string_view text) {
  return std::none_of(text.begin(), text.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// Splits "word rest" at the first space; the rest may itself hold spaces.
std::pair<std::string_view, std::optional<std::string_view>> SplitWord(std::string_view line) {
  const auto space = line.find(' ');
  if (space == std::string_view::npos) return {line, std::nullopt};
  return {line.substr(0, space), line.substr(space + 1)};
}

}  // namespace

std::string_view VerbName(RemoteVerb verb) {
  return InfoOf(verb).name;
}

std::optional<RemoteVerb> VerbNamed(std::string_view name) {
  const auto* found = std::find_if(kVerbs.begin(), kVerbs.end(),
                                   [name](const VerbInfo& info) { return info.name == name; });
  if (found == kVerbs.end()) return std::nullopt;
  return found->verb;
}

bool VerbTakesFile(RemoteVerb verb) {
  return InfoOf(verb).takesFile;
}

bool VerbTakesText(RemoteVerb verb) {
  return InfoOf(verb).takesText;
}

bool IsDataOperation(RemoteVerb verb) {
  return verb >= RemoteVerb::kBackupConfig;
}

bool VerbStartsDock(RemoteVerb verb) {
  return verb == RemoteVerb::kShow || verb == RemoteVerb::kKeyboard ||
         verb == RemoteVerb::kSearch || verb == RemoteVerb::kSettings;
}

std::string EncodeRequest(const RemoteRequest& request) {
  if (!Printable(request.argument)) return {};
  std::string line = std::string(kVersionWord) + " " + std::string(VerbName(request.verb));
  if (VerbTakesFile(request.verb) || (VerbTakesText(request.verb) && !request.argument.empty())) {
    line += " " + request.argument;
  }
  if (line.size() >= kRemoteLineLimit) return {};
  return line;
}

std::optional<RemoteRequest> DecodeRequest(std::string_view line) {
  if (line.size() >= kRemoteLineLimit || !Printable(line)) return std::nullopt;
  const auto [version, rest] = SplitWord(line);
  if (version != kVersionWord || !rest) return std::nullopt;
  const auto [name, argument] = SplitWord(*rest);
  const auto verb = VerbNamed(name);
  if (!verb) return std::nullopt;
  // A file verb needs a non-empty file, a text verb may have a text; the others take nothing.
  if (VerbTakesText(*verb)) {
    if (argument && argument->empty()) return std::nullopt;
  } else {
    if (VerbTakesFile(*verb) != (argument.has_value() && !argument->empty())) return std::nullopt;
    if (!VerbTakesFile(*verb) && argument) return std::nullopt;
  }
  return RemoteRequest{*verb, argument ? std::string(*argument) : std::string()};
}

std::string EncodeAnswer(const RemoteAnswer& answer) {
  std::string text = answer.text;
  if (!answer.reason.empty()) text += kReasonMark + answer.reason;
  // Control characters become spaces, except the one mark between the text and its reason.
  const std::size_t mark = answer.reason.empty() ? std::string::npos : answer.text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x20 && i != mark) text[i] = ' ';
  }
  if (text.size() > kRemoteLineLimit - 8) text.resize(kRemoteLineLimit - 8);
  return (answer.ok ? "OK " : "ERR ") + text;
}

std::optional<RemoteAnswer> DecodeAnswer(std::string_view line) {
  const auto [word, rest] = SplitWord(line);
  if (word != "OK" && word != "ERR") return std::nullopt;
  const std::string_view body = rest.value_or("");
  const auto mark = body.find(kReasonMark);
  if (mark == std::string_view::npos) return RemoteAnswer{word == "OK", std::string(body), {}};
  return RemoteAnswer{word == "OK", std::string(body.substr(0, mark)),
                      std::string(body.substr(mark + 1))};
}

}  // namespace qav
