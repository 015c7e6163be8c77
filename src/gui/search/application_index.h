#pragma once
// The installed applications search offers, read on a thread of their own so that the
// user-interface thread never waits for the applications folders, and read again when the
// desktop's notifications say one of those folders changed (a program installed or removed).

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/search/search_sources.h"

namespace qav {

struct ApplicationIndexSources {
  std::vector<std::string> folders;  // the XDG applications folders, most important first
  std::string locale;                // the messages locale, for translated names
  std::string desktops;              // $XDG_CURRENT_DESKTOP
  std::string searchPath;            // $PATH, for TryExec programs named without a folder
};

// A QObject only to receive the reader's result on its own thread.
class ApplicationIndex final : public QObject {
 public:
  // `updated` is called on this object's thread after each read.
  ApplicationIndex(ApplicationIndexSources sources, std::function<void()> updated,
                   QObject* parent = nullptr);
  ~ApplicationIndex() override;  // stops a read under way after its current file

  // Starts the first read; `updated` is called when it is done.
  void Start();
  // What the last finished read found; empty before the first one ends.
  std::shared_ptr<const std::vector<search::Candidate>> Applications() const { return found_; }

 private:
  void Read();
  void Finished(std::shared_ptr<const std::vector<search::Candidate>> found);
  void Watch();

  ApplicationIndexSources sources_;
  std::function<void()> updated_;
  std::shared_ptr<const std::vector<search::Candidate>> found_ =
      std::make_shared<std::vector<search::Candidate>>();
  QFileSystemWatcher watcher_;
  QTimer settle_;  // a package installs many files: read once when they have settled
  std::thread reader_;
  std::atomic<bool> stop_{false};
  bool reading_ = false;
  bool again_ = false;  // a change came while reading
};

}  // namespace qav
