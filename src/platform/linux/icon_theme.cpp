#include "platform/linux/icon_theme.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>

namespace qav::platform {
namespace {

QString Environment(const char* name, const QString& fallback) {
  const QString value = qEnvironmentVariable(name);
  return value.isEmpty() ? fallback : value;
}

QStringList FreedesktopIconFolders() {
  QStringList folders;
  folders << Environment("XDG_DATA_HOME", QDir::homePath() + "/.local/share") + "/icons";
  for (const QString& data :
       Environment("XDG_DATA_DIRS", "/usr/local/share:/usr/share").split(':', Qt::SkipEmptyParts)) {
    folders << data + "/icons";
  }
  folders << QDir::homePath() + "/.icons";
  return folders;
}

}  // namespace

void EnsureIconTheme() {
  QStringList paths = QIcon::themeSearchPaths();
  for (const QString& folder : FreedesktopIconFolders()) {
    if (!paths.contains(folder) && QFileInfo(folder).isDir()) paths << folder;
  }
  QIcon::setThemeSearchPaths(paths);
  if (QIcon::fallbackThemeName().isEmpty()) QIcon::setFallbackThemeName("hicolor");
  if (!QIcon::themeName().isEmpty() && QIcon::themeName() != "hicolor") return;
  for (const char* theme : {"Adwaita", "breeze", "gnome", "Tango"}) {
    for (const QString& folder : paths) {
      if (QFileInfo::exists(folder + "/" + theme + "/index.theme")) {
        QIcon::setThemeName(theme);
        return;
      }
    }
  }
}

}  // namespace qav::platform
