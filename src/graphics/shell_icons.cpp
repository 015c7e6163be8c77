#include "graphics/shell_icons.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QIcon>

namespace qav {

QImage QtShellIcons::IconFor(const std::string& path, int size) {
  const QFileInfo info(QString::fromStdString(path));
  if (!info.exists()) return {};
  const QAbstractFileIconProvider provider;
  const QIcon icon = provider.icon(info);
  if (icon.isNull()) return {};
  return icon.pixmap(size, size).toImage();
}

}  // namespace qav
