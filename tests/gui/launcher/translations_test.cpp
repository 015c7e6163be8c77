// Which translations a start loads: the program's own and Qt's for the user's language, none for
// English and the portable locale, and each only while the Translations that loaded it lives.

#include "gui/launcher/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace qav {
namespace {

QString Title() {
  return QCoreApplication::translate("SettingsDialog", "QAV Launcher - Settings");
}

QString QtCancel() {
  return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

const QString kQtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);

TEST(Translations, GermanLoadsTheProgramsAndQtsOwnUntilItEnds) {
  {
    Translations german;
    german.Load("de_DE.UTF-8",
                {QStringLiteral("/nonexistent"), QStringLiteral(QAV_BUILT_TRANSLATIONS)},
                kQtFolder);
    ASSERT_TRUE(german.OwnLoaded());
    EXPECT_EQ(Title(), QString::fromUtf8("QAV Launcher - Einstellungen"));
    if (!QDir(kQtFolder).exists(QStringLiteral("qtbase_de.qm"))) {
      GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    }
    EXPECT_TRUE(german.QtLoaded());
    EXPECT_EQ(QtCancel(), QStringLiteral("Abbrechen"));
  }
  EXPECT_EQ(Title(), QStringLiteral("QAV Launcher - Settings"));
}

TEST(Translations, EnglishAndThePortableLocaleLoadNothing) {
  for (const char* locale : {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8"}) {
    Translations none;
    none.Load(locale, {QStringLiteral(QAV_BUILT_TRANSLATIONS)}, kQtFolder);
    EXPECT_FALSE(none.OwnLoaded()) << locale;
    EXPECT_FALSE(none.QtLoaded()) << locale;
    EXPECT_EQ(Title(), QStringLiteral("QAV Launcher - Settings")) << locale;
  }
}

#ifndef _WIN32
// Debian's layout: the dock program in <libexecdir>/qav-launcher, the data in <datadir>.
TEST(Translations, ABuildFindsThemBesideTheProgramAndAnInstallationInItsDataFolder) {
  const QStringList folders = OwnTranslationFolders(QStringLiteral("/usr/libexec/qav-launcher"));
  ASSERT_EQ(folders.size(), 2);
  EXPECT_EQ(folders[0], QStringLiteral("/usr/libexec/qav-launcher/translations"));
  EXPECT_EQ(folders[1], QStringLiteral("/usr/share/qav-launcher/translations"));
}
#endif

}  // namespace
}  // namespace qav
