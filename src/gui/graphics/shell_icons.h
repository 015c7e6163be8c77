#pragma once
// The desktop's own icon for a file or folder: the shell's icon on Windows, the MIME type's icon
// from the icon theme on Linux.

#include <QImage>

#include <string>

namespace qav {

class ShellIcons {
 public:
  virtual ~ShellIcons() = default;
  // The icon at `size` pixels (or the nearest the theme has); null when there is none.
  virtual QImage IconFor(const std::string& path, int size) = 0;
  // The icon theme's icon of this name; null when the theme has none.
  virtual QImage ThemeIcon(const std::string& name, int size) = 0;
};

// Asks Qt's file icon provider, which uses the platform's shell or icon theme.
class QtShellIcons final : public ShellIcons {
 public:
  QImage IconFor(const std::string& path, int size) override;
  QImage ThemeIcon(const std::string& name, int size) override;
};

}  // namespace qav
