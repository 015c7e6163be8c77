// The core's English as the windows show it under a translation: whole texts, patterns whose
// runtime parts stay as they are, and the titles of items, which mix the core's words with the
// user's.

#include "gui/text/core_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <map>
#include <string>
#include <utility>

#include "core/shortcuts/catalog.h"
#include "core/shortcuts/group_editing.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

// A translation of a few texts, as a .qm file would give them.
class FakeTranslator final : public QTranslator {
 public:
  explicit FakeTranslator(std::map<std::pair<std::string, std::string>, QString> texts)
      : texts_(std::move(texts)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    const auto found = texts_.find({context ? context : "", source ? source : ""});
    return found == texts_.end() ? QString() : found->second;
  }

 private:
  std::map<std::pair<std::string, std::string>, QString> texts_;
};

class CoreTextsTest : public ::testing::Test {
 protected:
  void SetUp() override { QCoreApplication::installTranslator(&german_); }
  void TearDown() override { QCoreApplication::removeTranslator(&german_); }

  FakeTranslator german_{{
      {{"Core", "Settings"}, "Einstellungen"},
      {{"Core", "Device Manager"}, "Geräte-Manager"},
      {{"Core", "\"%1\" is not available on this desktop."}, "„%1“ ist hier nicht verfügbar."},
      {{"Core", "%2 of %1"}, "%1: %2"},
      {{"Core", "New Group"}, "Neue Gruppe"},
      {{"Core", " (Empty)"}, " (leer)"},
      {{"Core", " (Full)"}, " (voll)"},
      {{"Core", "Open %1's Documents"}, "Dokumente von %1 öffnen"},
      {{"Core", "Local Disk (%1)"}, "Lokaler Datenträger (%1)"},
      {{"SettingsDialog", "Settings"}, "Nicht für den Kern"},
  }};
};

TEST_F(CoreTextsTest, AWholeTextIsLookedUpInTheCoresContextAndAnUnknownOneStays) {
  EXPECT_EQ(CoreText("Settings"), "Einstellungen");
  EXPECT_EQ(CoreText("/home/anna/notes.txt"), "/home/anna/notes.txt");
  EXPECT_EQ(CoreText("Schon übersetzt"), "Schon übersetzt");  // a window's own, translated text
  EXPECT_TRUE(CoreText("").isEmpty());
}

TEST_F(CoreTextsTest, APatternIsTranslatedAroundItsPartsWhichMayMoveOrBeTextsThemselves) {
  // A part that is a text of the core (a command's title) is shown translated, a file name as it
  // is, even when it looks like a marker.
  EXPECT_EQ(CoreText(FilledText{"\"%1\" is not available on this desktop.", {"Device Manager"}}),
            "„Geräte-Manager“ ist hier nicht verfügbar.");
  EXPECT_EQ(CoreText(FilledText{"%2 of %1", {"/tmp/%2", "Settings"}}), "/tmp/%2: Einstellungen");
  // Without a translation the pattern gives the English text.
  EXPECT_EQ(CoreText(FilledText{"Cannot read %1.", {"a.bak"}}), "Cannot read a.bak.");

  const platform::MessageRequest fixed{"Settings", "QAV Launcher"};
  EXPECT_EQ(MessageText(fixed), "Einstellungen");
  const auto filled =
      platform::FilledMessage({"\"%1\" is not available on this desktop.", {"X"}}, "QAV Launcher",
                              platform::MessageIcon::kNone, platform::MessageButtons::kOk);
  EXPECT_EQ(filled.text, "\"X\" is not available on this desktop.");
  EXPECT_EQ(MessageText(filled), "„X“ ist hier nicht verfügbar.");
}

TEST_F(CoreTextsTest, TitlesShowTheCoresWordsTranslatedAndTheUsersAsTheyAre) {
  EXPECT_EQ(ShownTitle("Settings"), "Einstellungen");
  EXPECT_EQ(ShownTitle("Photos"), "Photos");
  // A group's mark follows whatever name the group has, the spaces before it kept.
  EXPECT_EQ(ShownTitle(std::string(kNewGroupTitle) + " " + kEmptyGroupMark), "Neue Gruppe  (leer)");
  EXPECT_EQ(ShownTitle(std::string("Photos") + kFullGroupMark), "Photos (voll)");
  // The names inside the core's made titles stay the user's and the system's.
  EXPECT_EQ(ShownTitle(FillPattern(kUserDocumentsTitle, {"Settings"})),
            "Dokumente von Settings öffnen");
  EXPECT_EQ(ShownTitle("Local Disk (sda1)"), "Lokaler Datenträger (sda1)");
  EXPECT_EQ(ShownTitle("Local Disk ()"), "Local Disk ()");
}

TEST_F(CoreTextsTest, ATitleTheUserLeftAsShownIsStoredAsItWas) {
  EXPECT_EQ(TitleToStore("Settings", "Einstellungen"), "Settings");
  EXPECT_EQ(TitleToStore("Settings", "Meine Einstellungen"), "Meine Einstellungen");
  EXPECT_EQ(TitleToStore(" Photos ", "Photos"), "Photos");
  EXPECT_EQ(TitleToStore("New Group  (Empty)", "Neue Gruppe  (leer)"), "New Group  (Empty)");
}

}  // namespace
}  // namespace qav
