#include "gui/search/application_index.h"

#include <QDir>
#include <filesystem>
#include <utility>

#include "base/utf8_path.h"
#include "platform/files/program_files.h"

namespace qav {
namespace {

constexpr int kSettleMilliseconds = 400;
constexpr int kMaxWatchedFolders = 256;

}  // namespace

ApplicationIndex::ApplicationIndex(ApplicationIndexSources sources, std::function<void()> updated,
                                   QObject* parent)
    : QObject(parent), sources_(std::move(sources)), updated_(std::move(updated)) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&settle_, &QTimer::timeout, this, &ApplicationIndex::Read);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
}

ApplicationIndex::~ApplicationIndex() {
  stop_ = true;
  if (reader_.joinable()) reader_.join();
}

void ApplicationIndex::Start() {
  Watch();
  Read();
}

void ApplicationIndex::Read() {
  if (reading_) {
    again_ = true;
    return;
  }
  if (reader_.joinable()) reader_.join();  // ended already: its result has been delivered
  reading_ = true;
  reader_ = std::thread([this, sources = sources_] {
    auto found = std::make_shared<std::vector<search::Candidate>>(search::ApplicationCandidates(
        sources.folders, sources.locale, sources.desktops,
        [path = sources.searchPath](const std::string& program) {
          return platform::IsInstalledProgram(program, path);
        },
        [this] { return stop_.load(); }));
    // Posted to this object's thread; the destructor joins first, so `this` outlives the call,
    // and an event still queued then is dropped with the object.
    QMetaObject::invokeMethod(
        this, [this, found = std::move(found)]() mutable { Finished(std::move(found)); },
        Qt::QueuedConnection);
  });
}

void ApplicationIndex::Finished(std::shared_ptr<const std::vector<search::Candidate>> found) {
  reading_ = false;
  found_ = std::move(found);
  Watch();  // folders made or removed since
  if (updated_) updated_();
  if (std::exchange(again_, false)) Read();
}

// The folders and their sub-folders, and for a folder not made yet the nearest one above it, so
// that its making is seen too.
void ApplicationIndex::Watch() {
  QStringList wanted;
  for (const std::string& folder : sources_.folders) {
    std::error_code error;
    std::filesystem::path existing = platform::PathFromUtf8(folder);
    while (!std::filesystem::is_directory(existing, error) && existing.has_relative_path()) {
      existing = existing.parent_path();
    }
    const QDir dir(QString::fromStdString(platform::Utf8FromPath(existing)));
    if (!dir.exists()) continue;
    wanted << dir.absolutePath();
    if (dir != QDir(QString::fromStdString(folder))) continue;  // only a stand-in for it
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      wanted << dir.absoluteFilePath(sub);
    }
  }
  wanted.removeDuplicates();
  if (wanted.size() > kMaxWatchedFolders) wanted = wanted.mid(0, kMaxWatchedFolders);
  const QStringList watched = watcher_.directories();
  for (const QString& gone : watched) {
    if (!wanted.contains(gone)) watcher_.removePath(gone);
  }
  for (const QString& path : wanted) {
    if (!watched.contains(path)) watcher_.addPath(path);
  }
}

}  // namespace qav
