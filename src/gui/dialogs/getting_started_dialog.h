#pragma once
// The getting-started window: five illustrated pages on how to use the launcher, paged with
// "<< Last" and "Next >>". It reopens on the page last viewed unless "Don't show again" was
// checked when it closed.

#include <QDialog>

#include <cstdint>
#include <functional>

class QCheckBox;
class QPushButton;
class QStackedWidget;

namespace qav {

inline constexpr int kStartedPages = 6;
inline constexpr std::int16_t kStartedOff = -1;

class GettingStartedDialog final : public QDialog {
 public:
  // `startedPage` is the stored setting (0..4, or -1 when the window is turned off); `save`
  // writes the settings file when the window closes.
  GettingStartedDialog(std::int16_t& startedPage, std::function<void()> save,
                       QWidget* owner = nullptr);

  int Page() const { return page_; }
  void CmdClick(int index);
  QCheckBox& DontShowAgain() { return *dontShowAgainCheck_; }

  void done(int result) override;

 private:
  void ShowPage();

  std::int16_t& startedPage_;
  std::function<void()> save_;
  int page_ = 0;
  bool closed_ = false;
  QStackedWidget* pages_ = nullptr;
  QPushButton* last_ = nullptr;
  QPushButton* next_ = nullptr;
  QCheckBox* dontShowAgainCheck_ = nullptr;
};

}  // namespace qav
