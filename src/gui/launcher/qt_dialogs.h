#pragma once
// The small windows item commands open: file and input boxes, the run box, the about box, and a
// stand-in for the settings window until that dialog exists.

#include <QPointer>

#include <functional>
#include <string>

#include "core/shortcuts/dock_control.h"
#include "gui/dialogs/file_dialog.h"
#include "platform/message_boxes.h"
#include "platform/program_launcher.h"

class QWidget;

namespace qav {

class AboutDialog;

class QtDialogs final : public Dialogs {
 public:
  QtDialogs(platform::ProgramLauncher& launcher, platform::MessageBoxes& messages,
            std::string osName);

  void SetOwner(QWidget* owner) {
    owner_ = owner;
    files_.SetOwner(owner);
  }
  platform::FileDialogs& files() { return files_; }
  // What opens the settings window once the windows exist.
  void SetSettingsOpener(std::function<void()> open) { openSettings_ = std::move(open); }
  void ShowSettings() override;
  // Modal over the program's windows without a loop of its own: the caller returns at once (it
  // may be a request whose asker is gone, or a menu about to be torn down). Asked again while it
  // is open, it comes to the front.
  void ShowAbout() override;
  std::optional<std::string> OpenFile(const std::string& caption,
                                      const std::string& filter) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& caption,
                                      const std::string& defaultText) override;
  void RunBox() override;

 private:
  platform::ProgramLauncher& launcher_;
  platform::MessageBoxes& messages_;
  std::string osName_;
  QtFileDialogs files_;
  QWidget* owner_ = nullptr;
  std::function<void()> openSettings_;
  QPointer<AboutDialog> about_;
};

}  // namespace qav
