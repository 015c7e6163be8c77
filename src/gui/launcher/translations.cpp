#include "gui/launcher/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

#include "core/environment/messages_locale.h"

// Where an installation keeps the translations, seen from the folder of the dock program; the
// build passes the layout it installs.
#ifndef QAV_INSTALLED_TRANSLATIONS
#define QAV_INSTALLED_TRANSLATIONS "../share/qav-launcher/translations"
#endif

namespace qav {
namespace {

constexpr const char* kOwnName = "qav-launcher";
constexpr const char* kQtName = "qtbase";

// Tries the locale's languages in Qt's order ("de_DE", then "de") in each folder.
bool LoadFirst(QTranslator& translator, const QLocale& locale, const char* name,
               const QStringList& folders) {
  for (const QString& folder : folders) {
    if (translator.load(locale, QString::fromLatin1(name), QStringLiteral("_"), folder)) {
      return true;
    }
  }
  return false;
}

}  // namespace

QStringList OwnTranslationFolders(const QString& executableFolder) {
  const QDir beside(executableFolder);
  return {beside.filePath(QStringLiteral("translations")),
          QDir::cleanPath(beside.filePath(QStringLiteral(QAV_INSTALLED_TRANSLATIONS)))};
}

void Translations::Load(const std::string& messagesLocale, const QStringList& ownFolders,
                        const QString& qtFolder) {
  const std::string language = TranslationLanguage(messagesLocale);
  if (language.empty()) return;
  const QLocale locale(QString::fromStdString(language));
  ownLoaded_ = LoadFirst(own_, locale, kOwnName, ownFolders);
  qtLoaded_ = LoadFirst(qt_, locale, kQtName, {qtFolder});
  if (ownLoaded_) QCoreApplication::installTranslator(&own_);
  if (qtLoaded_) QCoreApplication::installTranslator(&qt_);
  // Only a language the program speaks is worth a word: its standard buttons would stay English.
  if (ownLoaded_ && !qtLoaded_) {
    std::fprintf(stderr,
                 "qav-launcher: Qt's own texts have no translation for %s in %s (Debian's "
                 "qt6-translations-l10n has them): the standard buttons stay English\n",
                 language.c_str(), qPrintable(qtFolder));
  }
}

}  // namespace qav
