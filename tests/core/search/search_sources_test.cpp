// What search looks through: the ring's items, the groups' members and the commands from the
// tables, the applications a menu lists from their desktop entries, the desktop's recent files;
// and that a program found only by a keyword of its entry is offered.

#include "core/search/search_sources.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace qav::search {
namespace {

std::vector<std::string> Described(const std::vector<Candidate>& candidates) {
  std::vector<std::string> out;
  for (const Candidate& c : candidates) {
    std::string text = c.key + " | " + c.title + " | " + c.origin;
    for (const std::string& other : c.others) text += " | " + other;
    out.push_back(text);
  }
  return out;
}

ShortcutRecord Item(int kind, const std::string& title, const std::string& target) {
  ShortcutRecord r;
  r.Kind = kind;
  r.Title = title;
  r.Target = target;
  return r;
}

TEST(SearchSources, RingItemsGroupMembersAndCommandsFromTheTables) {
  Tables tables = MakeTables();
  tables.Shortcuts[1] = Item(kKindDockShortcut, "Editor", "/usr/bin/gedit");
  tables.Shortcuts[2] = Item(kKindBlank, "Blank Shortcut", "");
  tables.Shortcuts[4] = Item(kKindGroup, "Work", "");
  tables.Shortcuts[200] = Item(kKindMember, "", "/home/ann/Report.odt");  // titled by its file
  tables.Shortcuts[201] = Item(kKindFree, "gone", "/gone");
  tables.Groups[4].Members[0] = 4;
  tables.Groups[4].Members[1] = 200;
  tables.Groups[4].Members[2] = 201;
  tables.Groups[4].Members[3] = 5000;  // damaged: no such record
  tables.Groups[4].MemberCount = 3;
  tables.Shortcuts[20] = Item(kKindDockShortcut, "Beyond the ring", "/usr/bin/far");
  ShortcutRecord command = Item(kKindBuiltIn, "Empty Recycle Bin", "");
  command.IsBuiltIn = kVbTrue;
  command.CommandId = 104;
  tables.Shortcuts[kFirstCatalogRecord] = command;

  const std::vector<Candidate> found = ItemCandidates(tables, 12);
  EXPECT_EQ(Described(found),
            (std::vector<std::string>{
                "item:/usr/bin/gedit | Editor | Ring | /usr/bin/gedit",
                "item:Work | Work | Ring",
                "item:/home/ann/Report.odt | Report.odt | Work | /home/ann/Report.odt",
                "command:104 | Empty Recycle Bin | Command",
            }));
  EXPECT_EQ(found[2].source, Source::kGroup);
  EXPECT_EQ(found[2].reference, 200);
  EXPECT_EQ(found[3].source, Source::kCommand);
  EXPECT_EQ(ItemCandidates(tables, 36).size(), 5u) << "a ring of 36 places shows place 20";
}

// An item made from an application's desktop entry stands for it: the application is not offered
// a second time.
TEST(SearchSources, AnApplicationAnItemStandsForIsOfferedOnce) {
  Tables tables = MakeTables();
  tables.Shortcuts[1] = Item(kKindDockShortcut, "Browser", "/usr/bin/browser");
  tables.Shortcuts[1].Path = "/usr/share/applications/browser.desktop";
  std::vector<Candidate> candidates = ItemCandidates(tables, 8);
  for (const char* name : {"browser", "editor"}) {
    Candidate application;
    application.key = std::string("application:") + name + ".desktop";
    application.source = Source::kApplication;
    application.target = std::string("/usr/share/applications/") + name + ".desktop";
    candidates.push_back(application);
  }
  const std::vector<Candidate> kept = WithoutApplicationsOfItems(candidates, tables);
  ASSERT_EQ(kept.size(), candidates.size() - 1);
  EXPECT_EQ(kept.front().key, "item:/usr/bin/browser");
  EXPECT_EQ(kept.back().key, "application:editor.desktop");
}

TEST(SearchSources, ApplicationsAsAMenuListsThemFoundByTheirKeywords) {
  const test::TempDir dir;
  const std::string user = dir / "user/";
  const std::string system = dir / "system/";
  auto entry = [](const std::string& path, const std::string& rest) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::WriteText(path, "[Desktop Entry]\nType=Application\n" + rest);
  };
  entry(system + "org.gnome.Calculator.desktop",
        "Name=Calculator\nName[de]=Rechner\nGenericName=Calculator\n"
        "Keywords=calculation;arithmetic;\nExec=/usr/bin/gnome-calculator %U\n");
  entry(system + "hidden.desktop", "Name=Hidden\nExec=hidden\nNoDisplay=true\n");
  entry(system + "missing.desktop", "Name=Missing\nExec=missing\nTryExec=not-installed\n");
  entry(system + "kde/kate.desktop", "Name=Kate\nExec=kate\nOnlyShowIn=KDE;\n");
  entry(user + "org.gnome.Calculator.desktop", "Name=My Calculator\nExec=mycalc\n");
  auto installed = [](const std::string& program) { return program != "not-installed"; };

  const auto found = ApplicationCandidates({user, system}, "de_DE.UTF-8", "KDE", installed);
  EXPECT_EQ(Described(found), (std::vector<std::string>{
                                  "application:kde-kate.desktop | Kate | Application | kate",
                                  "application:org.gnome.Calculator.desktop | My Calculator | "
                                  "Application | mycalc",
                              }));
  EXPECT_EQ(found[1].target, user + "org.gnome.Calculator.desktop");

  const auto gnome = ApplicationCandidates({system}, "de_DE.UTF-8", "GNOME", installed);
  ASSERT_EQ(gnome.size(), 1u);
  EXPECT_EQ(Described(gnome)[0],
            "application:org.gnome.Calculator.desktop | Rechner | Application | Calculator | "
            "calculation | arithmetic | gnome-calculator");
  // Found by a keyword alone, where nothing of its title matches.
  const auto hits = Rank(
      gnome, "arith", {}, 0, [](auto&, auto&) { return 0; }, 10);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].tier, MatchTier::kOtherField);
}

TEST(SearchSources, RecentFilesByTheirNames) {
  const auto found = RecentFileCandidates(
      R"(<xbel><bookmark href="file:///home/ann/Budget%202027.ods" modified="2026-12-01T00:00:00Z"/></xbel>)",
      10);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(Described(found)[0],
            "file:/home/ann/Budget 2027.ods | Budget 2027.ods | Recent file | "
            "/home/ann/Budget 2027.ods");
  EXPECT_EQ(found[0].target, "/home/ann/Budget 2027.ods");
}

}  // namespace
}  // namespace qav::search
