#include "core/search/search_sources.h"

#include <algorithm>
#include <set>
#include <utility>

#include "base/ui_text.h"
#include "core/search/recent_files.h"
#include "formats/links/application_entries.h"
#include "formats/links/desktop_entry.h"
#include "platform/files/format_files.h"

namespace qav::search {
namespace {

std::string_view FileName(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool HoldsAnItem(const ShortcutRecord& record) {
  return record.Kind != kKindFree && record.Kind != kKindBlank && record.Kind != kKindUser &&
         !(record.Title.IsEmpty() && record.Target.IsEmpty());
}

Candidate ItemCandidate(const ShortcutRecord& record, int number, Source source,
                        std::string origin) {
  Candidate c;
  const std::string target = record.Target.Get();
  c.title = record.Title.IsEmpty() ? std::string(FileName(target)) : record.Title.Get();
  if (!target.empty()) c.others.push_back(target);
  c.key = record.IsBuiltIn ? "command:" + std::to_string(record.CommandId)
                           : "item:" + (target.empty() ? c.title : target);
  c.source = source;
  c.origin = std::move(origin);
  c.reference = number;
  return c;
}

bool IsRecord(int number) {
  return number >= 0 && number <= kLastRecord;
}

void AddGroupMembers(const Tables& tables, int group, std::vector<Candidate>& out) {
  const GroupRecord& members = tables.Groups[static_cast<std::size_t>(group)];
  if (members.Members.empty() || !IsRecord(members.Members[0])) return;
  const std::string name =
      tables.Shortcuts[static_cast<std::size_t>(members.Members[0])].Title.Get();
  const int count =
      std::min<int>(members.MemberCount, static_cast<int>(members.Members.size()) - 1);
  for (int m = 1; m <= count; ++m) {
    const int number = members.Members[static_cast<std::size_t>(m)];
    if (!IsRecord(number)) continue;
    const ShortcutRecord& record = tables.Shortcuts[static_cast<std::size_t>(number)];
    if (HoldsAnItem(record)) out.push_back(ItemCandidate(record, number, Source::kGroup, name));
  }
}

}  // namespace

std::vector<Candidate> ItemCandidates(const Tables& tables, int ringPlaces) {
  std::vector<Candidate> out;
  const int lastPlace = std::min(kFirstDockRecord + ringPlaces - 1, kLastDockRecord);
  for (int place = kFirstDockRecord; place <= lastPlace; ++place) {
    const ShortcutRecord& record = tables.Shortcuts[static_cast<std::size_t>(place)];
    if (!HoldsAnItem(record)) continue;
    out.push_back(ItemCandidate(record, place, Source::kRing, QAV_TEXT("Core", "Ring")));
    if (record.Kind == kKindGroup || record.Kind == kKindAllPrograms) {
      AddGroupMembers(tables, place, out);
    }
  }
  for (int number = kFirstCatalogRecord; number <= kLastCatalogRecord; ++number) {
    const ShortcutRecord& record = tables.Shortcuts[static_cast<std::size_t>(number)];
    if (record.IsBuiltIn && HoldsAnItem(record)) {
      out.push_back(ItemCandidate(record, number, Source::kCommand, QAV_TEXT("Core", "Command")));
    }
  }
  return out;
}

std::vector<Candidate> WithoutApplicationsOfItems(std::vector<Candidate> candidates,
                                                  const Tables& tables) {
  std::set<std::string, std::less<>> entries;
  for (const Candidate& c : candidates) {
    if (c.source != Source::kRing && c.source != Source::kGroup) continue;
    const std::string path = tables.Shortcuts[static_cast<std::size_t>(c.reference)].Path.Get();
    if (!path.empty()) entries.insert(path);
  }
  std::erase_if(candidates, [&entries](const Candidate& c) {
    return c.source == Source::kApplication && entries.contains(c.target);
  });
  return candidates;
}

std::vector<Candidate> ApplicationCandidates(const std::vector<std::string>& folders,
                                             std::string_view locale, std::string_view desktops,
                                             const InstalledTest& installed,
                                             const std::function<bool()>& stopped) {
  std::vector<Candidate> out;
  for (const readers::ApplicationEntry& file : readers::ListApplicationEntries(folders)) {
    if (stopped && stopped()) break;
    const auto entry = platform::ReadDesktopEntryFile(file.path, locale);
    if (!entry || entry->name.empty() || !readers::ShownInMenus(*entry, desktops, installed)) {
      continue;
    }
    Candidate c;
    c.key = "application:" + file.id;
    c.title = entry->name;
    if (!entry->genericName.empty()) c.others.push_back(entry->genericName);
    c.others.insert(c.others.end(), entry->keywords.begin(), entry->keywords.end());
    if (!entry->program.empty()) c.others.emplace_back(FileName(entry->program));
    c.source = Source::kApplication;
    c.origin = QAV_TEXT("Core", "Application");
    c.target = file.path;
    c.icon = entry->icon;
    out.push_back(std::move(c));
  }
  return out;
}

std::vector<Candidate> RecentFileCandidates(std::string_view xbel, std::size_t limit) {
  std::vector<Candidate> out;
  for (const RecentFile& file : ParseRecentFiles(xbel, limit)) {
    Candidate c;
    c.key = "file:" + file.path;
    c.title = std::string(RecentFileTitle(file.path));
    c.others.push_back(file.path);
    c.source = Source::kRecentFile;
    c.origin = QAV_TEXT("Core", "Recent file");
    c.target = file.path;
    out.push_back(std::move(c));
  }
  return out;
}

}  // namespace qav::search
