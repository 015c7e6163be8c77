#pragma once
// The sample files made by other projects' tools (tests/data), and a test base that skips without
// them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qav::readers::test {

inline std::filesystem::path SamplesDir() {
  return QAV_FIXTURES_DIR;
}

inline std::string ReadSample(const std::filesystem::path& path) {
  std::ifstream in(SamplesDir() / path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> ReadSampleBytes(const std::filesystem::path& path) {
  const std::string text = ReadSample(path);
  return {text.begin(), text.end()};
}

class SampleFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::is_directory(SamplesDir() / "links")) GTEST_SKIP() << "no sample files";
  }
};

}  // namespace qav::readers::test
