#include "gui/graphics/picture_prefetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace qav {
namespace {

// A picture whose colour says which file it came from; every decode is counted.
struct CountingDecoder {
  QImage operator()(const std::string& path) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    {
      const std::lock_guard lock(mutex);
      ++decodes[path];
    }
    if (path.starts_with("broken")) return {};
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(qRgb(std::stoi(path.substr(5)), 0, 0));
    return picture;
  }
  std::mutex mutex;
  std::map<std::string, int> decodes;
};

// Whatever order the caller takes them in, each file is decoded once, by one of the two threads,
// and every taker gets that file's own picture.
TEST(PicturePrefetch, EachFileIsDecodedOnceAndGoesToItsTaker) {
  std::vector<std::string> paths;
  for (int i = 0; i < 40; ++i) paths.push_back("file " + std::to_string(i));
  paths.push_back("broken file");
  std::mt19937 shuffle(7);
  for (int round = 0; round < 5; ++round) {
    CountingDecoder decoder;
    std::vector<std::string> order = paths;
    std::shuffle(order.begin(), order.end(), shuffle);
    {
      PicturePrefetch prefetch(paths, [&decoder](const std::string& p) { return decoder(p); });
      for (const std::string& path : order) {
        const auto picture = prefetch.Take(path);
        ASSERT_TRUE(picture.has_value()) << path;
        if (path.starts_with("broken")) {
          EXPECT_TRUE(picture->isNull());
        } else {
          EXPECT_EQ(picture->pixel(1, 1), qRgb(std::stoi(path.substr(5)), 0, 0)) << path;
        }
      }
      EXPECT_EQ(prefetch.Take("file 3")->pixel(0, 0), qRgb(3, 0, 0));  // taken again
      EXPECT_FALSE(prefetch.Take("file 99").has_value());              // never listed
    }
    EXPECT_EQ(decoder.decodes.size(), paths.size());
    for (const auto& [path, count] : decoder.decodes) EXPECT_EQ(count, 1) << path;
  }
}

// A prefetch whose pictures are never taken still ends cleanly.
TEST(PicturePrefetch, EndsWithoutAnyTaker) {
  CountingDecoder decoder;
  {
    PicturePrefetch prefetch({"file 1", "file 2", "file 3"},
                             [&decoder](const std::string& p) { return decoder(p); });
  }
  EXPECT_EQ(decoder.decodes.size(), 3u);
}

}  // namespace
}  // namespace qav
