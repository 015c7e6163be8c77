#pragma once
// The windows in the user's language: Qt's own texts (the standard buttons, the file dialog) and
// the program's, both looked up by the messages locale (core/environment/messages_locale.h) and
// installed into the application before any window is made. The program's files are found beside
// the executable in a build (translations/) or where an installation keeps them
// (<datadir>/qav-launcher/translations); Qt's where Qt keeps its own.

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <string>

namespace qav {

// The folders the program's translations may be in, first one first.
QStringList OwnTranslationFolders(const QString& executableFolder);

class Translations {
 public:
  // Nothing for the program's own English. A language without a translation of its own keeps
  // the program's English, one without Qt's keeps Qt's (said on the error output when the program
  // has its own).
  void Load(const std::string& messagesLocale, const QStringList& ownFolders,
            const QString& qtFolder);

  bool OwnLoaded() const { return ownLoaded_; }
  bool QtLoaded() const { return qtLoaded_; }

 private:
  QTranslator qt_;
  QTranslator own_;
  bool ownLoaded_ = false;
  bool qtLoaded_ = false;
};

}  // namespace qav
