#pragma once
// What type to search looks through, gathered as candidates for the ranking: the ring's items and
// every group's members (by title and target), the built-in commands by their titles, the
// installed applications a menu lists (Name, GenericName, Keywords and the program's file name,
// in the user's locale) and the files the desktop lists as recently used. Each candidate's key
// names what it opens, so that the usage file still knows it after the item has moved.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/search/ranking.h"
#include "core/store/records.h"

namespace qav::search {

// The ring's first `ringPlaces` places that hold an item, every group's members and the built-in
// commands of the catalog; `reference` is the record number.
std::vector<Candidate> ItemCandidates(const Tables& tables, int ringPlaces);

// The candidates without the applications that an item of the ring or a group already stands for
// (an item made from the application's desktop entry): the item is offered, with its place.
std::vector<Candidate> WithoutApplicationsOfItems(std::vector<Candidate> candidates,
                                                  const Tables& tables);

// Answers whether a program (a name on the search path or a path) is installed.
using InstalledTest = std::function<bool(const std::string& program)>;

// The applications of `folders` (the XDG applications folders, most important first) that a menu
// of `desktops` ($XDG_CURRENT_DESKTOP) lists; `target` is the desktop entry's path. Reads every
// entry: meant to run away from the user-interface thread; `stopped` is asked before each one,
// and once it says so the rest is left unread.
std::vector<Candidate> ApplicationCandidates(const std::vector<std::string>& folders,
                                             std::string_view locale, std::string_view desktops,
                                             const InstalledTest& installed,
                                             const std::function<bool()>& stopped = {});

// The files of the desktop's recently-used list (the text of recently-used.xbel), newest first,
// at most `limit`; `target` is the file.
std::vector<Candidate> RecentFileCandidates(std::string_view xbel, std::size_t limit);

}  // namespace qav::search
