#include "gui/graphics/picture_prefetch.h"

#include <algorithm>
#include <utility>

namespace qav {

PicturePrefetch::PicturePrefetch(std::vector<std::string> paths,
                                 std::function<QImage(const std::string&)> decode)
    : paths_(std::move(paths)),
      decode_(std::move(decode)),
      states_(paths_.size(), State::kWaiting),
      pictures_(paths_.size()) {
  // One file is not worth a thread.
  if (paths_.size() > 1) worker_ = std::thread([this] { DecodeFromTheBack(); });
}

PicturePrefetch::~PicturePrefetch() {
  if (worker_.joinable()) worker_.join();
}

// The caller takes pictures from the front of the list: the worker starts at the back and the
// two meet somewhere in the middle.
void PicturePrefetch::DecodeFromTheBack() {
  for (std::size_t i = paths_.size(); i-- > 0;) {
    if (Claim(i)) Decode(i);
  }
}

bool PicturePrefetch::Claim(std::size_t i) {
  const std::lock_guard lock(mutex_);
  if (states_[i] != State::kWaiting) return false;
  states_[i] = State::kDecoding;
  return true;
}

void PicturePrefetch::Decode(std::size_t i) {
  QImage picture = decode_(paths_[i]);
  {
    const std::lock_guard lock(mutex_);
    pictures_[i] = std::move(picture);
    states_[i] = State::kDone;
  }
  done_.notify_all();
}

std::optional<QImage> PicturePrefetch::Take(const std::string& path) {
  const auto found = std::find(paths_.begin(), paths_.end(), path);
  if (found == paths_.end()) return std::nullopt;
  const auto i = static_cast<std::size_t>(found - paths_.begin());
  if (Claim(i)) Decode(i);
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this, i] { return states_[i] == State::kDone; });
  return pictures_[i];
}

}  // namespace qav
