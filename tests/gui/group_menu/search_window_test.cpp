// The search window on the offscreen platform: what the keys do to the query and the results,
// and how each kind of result starts (a ring place as its key letter, a desktop entry as its
// program, a recent file with the opener), counted in the usage file.

#include "gui/group_menu/search_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "core/search/usage_file.h"
#include "gui/dock/dock_fixture.h"

namespace qav {
namespace {

class NoIcons final : public ShellIcons {
 public:
  QImage IconFor(const std::string&, int) override { return {}; }
  QImage ThemeIcon(const std::string&, int) override { return {}; }
};

class SearchTest : public ::testing::Test, protected test::DockFixture {
 protected:
  SearchTest() {
    state.MenuRows = 17;
    state.paths.UsageFile = home / "state/usage";
    const std::string entry = home / "calc.desktop";
    test::WriteText(entry,
                    "[Desktop Entry]\nType=Application\nName=Calculator\n"
                    "Exec=/usr/bin/calc-prog --quiet\n");
    search::Candidate calculator;
    calculator.key = "application:calc.desktop";
    calculator.title = "Calculator";
    calculator.others = {"maths"};
    calculator.source = search::Source::kApplication;
    calculator.origin = "Application";
    calculator.target = entry;
    search::Candidate notes = calculator;
    notes.key = "file:" + (home / "notes.txt");
    notes.title = "notes.txt";
    notes.others = {};
    notes.source = search::Source::kRecentFile;
    notes.origin = "Recent file";
    notes.target = home / "notes.txt";
    test::WriteText(notes.target, "n");
    applications = std::make_shared<std::vector<search::Candidate>>(
        std::vector<search::Candidate>{calculator, notes});
    window = std::make_unique<SearchWindow>(
        state, images,
        SearchServices{platform, [this] { return Commands(); }, services, icons,
                       [this] { return applications; },
                       [this](int slot) { pressed.push_back(slot); },
                       [this](bool leave) { closes.push_back(leave); }});
  }
  void Type(const char* text) { QTest::keyClicks(window.get(), text); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.get(), key, modifiers);
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (int i = 0; i < static_cast<int>(window->Hits().size()); ++i) {
      titles.push_back(window->ResultAt(i).title);
    }
    return titles;
  }
  // Lets the start the window posted run.
  void Started() { QCoreApplication::processEvents(); }

  NoIcons icons;
  ApplicationList applications;
  std::unique_ptr<SearchWindow> window;
  std::vector<int> pressed;
  std::vector<bool> closes;
};

TEST_F(SearchTest, EscClearsTheQueryThenLeavesAndBackspaceTakesWholeCharacters) {
  window->OpenSearch("");
  ASSERT_TRUE(window->SearchShown());
  EXPECT_TRUE(window->Hits().empty());  // an empty line offers nothing
  EXPECT_EQ(window->CountText(), "Type to search");
  Type("calc");
  EXPECT_EQ(window->Query(), "calc");
  EXPECT_EQ(Titles(), std::vector<std::string>{"Calculator"});
  EXPECT_EQ(window->CountText(), "1 result");
  window->OpenSearch("ca\xC3\xA9");  // the command line sets the text of an open search
  Key(Qt::Key_Backspace);
  EXPECT_EQ(window->Query(), "ca");
  Key(Qt::Key_Escape);
  EXPECT_TRUE(window->SearchShown());
  EXPECT_EQ(window->Query(), "");
  EXPECT_TRUE(closes.empty());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window->SearchShown());
  EXPECT_EQ(closes, std::vector<bool>{true});  // and keyboard mode with it
}

TEST_F(SearchTest, EachKindOfResultStartsAsItsItemWouldAndIsCounted) {
  window->OpenSearch("maths");  // found by a keyword only
  Key(Qt::Key_Return);
  EXPECT_FALSE(window->SearchShown());
  EXPECT_EQ(closes, std::vector<bool>{false});  // keyboard mode goes on until it starts
  Started();
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/usr/bin/calc-prog");
  EXPECT_EQ(launcher.launched[0].arguments, std::vector<std::string>{"--quiet"});
  const search::UsageTable usage = search::LoadUsage(state.paths.UsageFile);
  ASSERT_EQ(usage.count("application:calc.desktop"), 1u);

  window->OpenSearch("notes");
  Key(Qt::Key_0, Qt::AltModifier);  // the first row's letter with Alt
  Started();
  EXPECT_EQ(launcher.opened, std::vector<std::string>{home / "notes.txt"});

  window->OpenSearch("Item 4");  // the ring's place 4 is pressed as its letter would be
  EXPECT_EQ(window->ResultAt(0).source, search::Source::kRing);
  Key(Qt::Key_Return);
  Started();
  EXPECT_EQ(pressed, std::vector<int>{4});
}

TEST_F(SearchTest, ArrowsAndPagesMoveTheHighlightAndAClickBesideCloses) {
  for (int r = 5; r <= 8; ++r) Shortcut(r, kKindDockShortcut, "/usr/bin/tool" + std::to_string(r));
  window->OpenSearch("item");
  ASSERT_EQ(window->Hits().size(), 5u);
  EXPECT_EQ(window->Cursor().Highlighted(), 0);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(window->Cursor().Highlighted(), 2);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(window->Cursor().Highlighted(), 4);
  Key(Qt::Key_Up);
  Key(Qt::Key_Return);
  Started();
  EXPECT_EQ(pressed.size(), 1u);
  window->OpenSearch("item");
  QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(window->SearchShown());
  EXPECT_EQ(closes.back(), true);
}

}  // namespace
}  // namespace qav
