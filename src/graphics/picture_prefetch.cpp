#include "graphics/picture_prefetch.h"

#include <algorithm>
#include <utility>

namespace qav {

PicturePrefetch::PicturePrefetch(std::vector<std::string> paths,
                                 std::function<QImage(const std::string&)> decode)
    : paths_(std::move(paths)),
      decode_(std::move(decode)),
      pictures_(paths_.size()),
      states_(std::make_unique<std::atomic<int>[]>(paths_.size())) {
  for (std::size_t i = 0; i < paths_.size(); ++i) states_[i].store(kWaiting);
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
  int expected = kWaiting;
  return states_[i].compare_exchange_strong(expected, kDecoding);
}

void PicturePrefetch::Decode(std::size_t i) {
  pictures_[i] = decode_(paths_[i]);
  states_[i].store(kDone);
  states_[i].notify_all();
}

std::optional<QImage> PicturePrefetch::Take(const std::string& path) {
  const auto found = std::find(paths_.begin(), paths_.end(), path);
  if (found == paths_.end()) return std::nullopt;
  const auto i = static_cast<std::size_t>(found - paths_.begin());
  if (Claim(i)) {
    Decode(i);
  } else {
    states_[i].wait(kDecoding);
  }
  return pictures_[i];
}

}  // namespace qav
