#pragma once
// The sample files made by other projects' tools (tests/data, sources in SOURCES.md). They are
// part of the tree, so a missing or unreadable one fails the test that wanted it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qav::test {

inline std::filesystem::path SamplesDir() {
  return QAV_FIXTURES_DIR;
}

// The full path of a sample, failing the test when it is not there.
inline std::string SamplePath(const std::filesystem::path& path) {
  const std::filesystem::path full = SamplesDir() / path;
  if (!std::filesystem::is_regular_file(full)) ADD_FAILURE() << "missing sample file " << full;
  return full.string();
}

inline std::string ReadSample(const std::filesystem::path& path) {
  std::ifstream in(SamplePath(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> ReadSampleBytes(const std::filesystem::path& path) {
  const std::string text = ReadSample(path);
  return {text.begin(), text.end()};
}

// Every sample in `folder` whose name ends in `extension`, in name order.
inline std::vector<std::filesystem::path> SamplesIn(const std::filesystem::path& folder,
                                                    const std::string& extension) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(SamplesDir() / folder)) {
    if (entry.path().extension() == extension) found.push_back(folder / entry.path().filename());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace qav::test
