#include "gui/services/built_in_after_asking.h"

#include <gtest/gtest.h>

#include "core/shortcuts/catalog.h"
#include "support/fake_item_pictures.h"
#include "support/fake_system.h"

namespace qav {
namespace {

using platform::MessageAnswer;

class QuietDock final : public DockControl, public Dialogs, public ConfigurationSaver {
 public:
  void EscCancel() override { ++cancels; }
  void MinWindows(DockView) override {}
  void DockFocus(bool) override {}
  void DockNormal() override {}
  bool DockHidden() override { return false; }
  void SetAnimateShowHide(bool) override {}
  bool AnimateShowHide() override { return true; }
  void ExitApplication() override {}
  void ShowSettings() override {}
  void ShowAbout() override {}
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  void RunBox() override {}
  void SaveSettings() override {}
  void SaveMenu() override {}
  int cancels = 0;
};

class BuiltInAfterAskingTest : public ::testing::Test, protected test::FakeSystem {
 protected:
  // Runs the command on a bin holding `held` with `answer` to its question; how often the bin
  // was emptied.
  int EmptiesAfter(int command, MessageAnswer answer, platform::TrashStatus held = {10, 1}) {
    trash.status = held;
    messages.answer = answer;
    const int before = trash.empties;
    CommandContext context{state, platform, pictures, dock, dock, dock, [](int) {}};
    RunBuiltInAfterAsking(context, command);
    return trash.empties - before;
  }
  AppState state;
  test::FakeItemPictures pictures;
  QuietDock dock;
};

// "Empty Recycle Bin" stops only at No; the status box's question goes on only at Yes.
TEST_F(BuiltInAfterAskingTest, EachBinQuestionGoesOnAtItsOwnAnswers) {
  EXPECT_EQ(EmptiesAfter(kCmdEmptyRecycleBin, MessageAnswer::kNo), 0);
  EXPECT_EQ(EmptiesAfter(kCmdEmptyRecycleBin, MessageAnswer::kCancel), 1);
  EXPECT_EQ(EmptiesAfter(kCmdRecycleBinStatus, MessageAnswer::kCancel), 0);
  EXPECT_EQ(EmptiesAfter(kCmdRecycleBinStatus, MessageAnswer::kYes), 1);
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].caption, "Empty Recycle Bin");
  EXPECT_EQ(messages.shown[3].caption, "Recycle Bin");
  // Each command ended as every command does, once asked or not.
  EXPECT_EQ(dock.cancels, 8);
}

TEST_F(BuiltInAfterAskingTest, AnEmptyBinIsNeitherAskedAboutNorEmptied) {
  EXPECT_EQ(EmptiesAfter(kCmdEmptyRecycleBin, MessageAnswer::kYes, {0, 0}), 0);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace qav
