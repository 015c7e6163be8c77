#include "core/environment/path_services.h"

#include <filesystem>
#include <system_error>

#include "base/path_separator.h"
#include "base/text.h"
#include "base/utf8_path.h"

namespace qav {
namespace {

// A variable whose value refers to itself would otherwise expand for ever.
constexpr int kMaxExpansions = 64;

bool Contains(const std::string& text, std::string_view what) {
  return text.find(what) != std::string::npos;
}

// The kernel and shell spell the system root in several ways; only the exact lower-case form of
// each prefix is replaced, but any spelling selects the rule.
std::string ApplyPrefixRules(std::string path, bool search, const PathContext& context) {
  const std::string lower = LowerAscii(path);
  const std::string& windows = context.paths.WindowsFolder;
  if (Contains(lower, "\\systemroot\\")) return ReplaceAll(path, "\\systemroot\\", windows);
  if (Contains(lower, "\\??\\")) return ReplaceAll(path, "\\??\\", "");
  if (Contains(lower, "\\windows\\")) return ReplaceAll(path, "\\windows\\", windows);
  if (Contains(lower, "\\winnt\\")) return ReplaceAll(path, "\\winnt\\", windows);
  if (!path.empty() && path.front() == '@') return ReplaceAll(path, "@", "");
  if (!search) return path;
  const std::string& system = context.paths.SystemFolder;
  const std::string sep(1, platform::kPathSeparator);
  const std::string candidates[] = {
      windows + "SysWOW64" + sep + "Drivers" + sep + path,
      windows + "SysWOW64" + sep + path,
      system + "Drivers" + sep + path,
      system + path,
      windows + path,
  };
  for (const std::string& candidate : candidates) {
    if (DirExists(candidate)) return TrimNull(candidate);
  }
  return path;
}

}  // namespace

std::string ExistingPath(const std::string& path, bool expand, const PathContext& context) {
  std::string trimmed = TrimNull(path);
  if (trimmed.empty()) return {};
  if (expand) trimmed = ExpandPath(trimmed, true, context);
  std::error_code error;
  if (!std::filesystem::exists(platform::PathFromUtf8(trimmed), error) || error) return {};
  return trimmed;
}

bool FileExists(const std::string& path, bool expand, const PathContext& context) {
  return !ExistingPath(path, expand, context).empty();
}

bool DirExists(const std::string& path) {
  const std::string trimmed = TrimNull(path);
  if (trimmed.empty()) return false;
  std::error_code error;
  return std::filesystem::is_directory(platform::PathFromUtf8(trimmed), error) && !error;
}

bool IsWebAddress(const std::string& path) {
  const std::string trimmed = TrimNull(path);
  const std::string head = UpperAscii(std::string_view(trimmed).substr(0, 7));
  return head == "HTTP://" || head == "HTTPS:/";
}

bool ExpandOneVariable(std::string& path, platform::SystemInfo& system) {
  const auto p1 = path.find('%');
  if (p1 == std::string::npos) return false;
  const auto p2 = path.find('%', p1 + 1);
  if (p2 == std::string::npos) return false;
  const std::string reference = path.substr(p1, p2 - p1 + 1);
  const std::string name = reference.substr(1, reference.size() - 2);
  if (name.empty()) return false;
  const auto value = system.Environment(name);
  if (!value || value->empty()) return false;
  path = ReplaceAll(path, reference, *value);
  return true;
}

std::string ExpandPath(std::string path, bool search, const PathContext& context) {
  if (Contains(path, "\"")) path = ReplaceAll(path, "\"", "");
  if (Contains(path, "\\\\")) path = ReplaceAll(path, "\\\\", "\\");
  if (Contains(path, "%")) {
    for (int round = 0; round < kMaxExpansions && ExpandOneVariable(path, context.system);
         ++round) {
      if (!Contains(path, "%")) return TrimNull(path);
    }
  }
  return TrimNull(ApplyPrefixRules(std::move(path), search, context));
}

}  // namespace qav
