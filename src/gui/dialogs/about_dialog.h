#pragma once
// The about box: the program's name and full version, the system it runs on, the support and web
// site links, a word of thanks and the program's picture.

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace qav {

struct AboutInfo {
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::string osName;
  // Hands an address (mail or web) to the desktop's opener.
  std::function<void(const std::string&)> open;
};

inline constexpr const char* kSupportAddress = "mailto:support@brevona.com?subject=Help";
inline constexpr const char* kHomeAddress = "http://www.brevona.com/";

class AboutDialog final : public QDialog {
 public:
  explicit AboutDialog(AboutInfo info, QWidget* owner = nullptr);

  // "QAV Launcher  1.2.3" and the line under it.
  static QString AboutText(int major, int minor, int revision);
  void LabHomeClick(int index);

 private:
  AboutInfo info_;
};

}  // namespace qav
