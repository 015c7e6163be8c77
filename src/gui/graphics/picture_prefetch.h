#pragma once
// Decodes a known list of picture files on a second core while the caller goes on with other
// work. The caller takes the pictures in its own order; a file nobody has started yet is decoded
// by the caller itself, so neither side waits while there is work left.

#include <QImage>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qav {

class PicturePrefetch {
 public:
  // Starts decoding with `decode` (called on both threads for different files).
  PicturePrefetch(std::vector<std::string> paths, std::function<QImage(const std::string&)> decode);
  ~PicturePrefetch();
  PicturePrefetch(const PicturePrefetch&) = delete;
  PicturePrefetch& operator=(const PicturePrefetch&) = delete;

  // The picture of `path` (null when it does not decode), or nothing when the path is not in
  // the list.
  std::optional<QImage> Take(const std::string& path);

 private:
  enum class State { kWaiting, kDecoding, kDone };
  void DecodeFromTheBack();
  bool Claim(std::size_t i);
  void Decode(std::size_t i);

  std::vector<std::string> paths_;
  std::function<QImage(const std::string&)> decode_;
  std::mutex mutex_;  // guards states_ and pictures_
  std::condition_variable done_;
  std::vector<State> states_;
  std::vector<QImage> pictures_;
  std::thread worker_;
};

}  // namespace qav
