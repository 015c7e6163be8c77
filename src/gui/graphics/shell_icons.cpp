#include "gui/graphics/shell_icons.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace qav {

QImage QtShellIcons::IconFor(const std::string& path, int size) {
  const QFileInfo info(QString::fromStdString(path));
  if (!info.exists()) return {};
  const QAbstractFileIconProvider provider;
  QIcon icon = provider.icon(info);
  if (icon.isNull()) {
    // Where the platform offers no file icons, the icon theme's picture of the file's type.
    // Only a regular file's contents are looked at: reading a FIFO would wait for a writer.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        info, info.isFile() ? QMimeDatabase::MatchDefault : QMimeDatabase::MatchExtension);
    icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
  }
  if (icon.isNull()) return {};
  return icon.pixmap(size, size).toImage();
}

QImage QtShellIcons::ThemeIcon(const std::string& name, int size) {
  if (name.empty()) return {};
  const QIcon icon = QIcon::fromTheme(QString::fromStdString(name));
  if (icon.isNull()) return {};
  return icon.pixmap(size, size).toImage();
}

}  // namespace qav
