// The start's heap in a program of its own, since it changes how the whole process allocates: a
// surface freed during the start is what the next one gets, and the start's memory goes back to
// the system when it ends.

#include "platform/linux/start_up_heap.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>

namespace qav {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizerHeap = true;
#else
constexpr bool kSanitizerHeap = false;
#endif

TEST(StartUpHeap, ReusesFreedSurfacesAndHandsTheStartsMemoryBack) {
  if (kSanitizerHeap) GTEST_SKIP() << "the sanitizer owns the heap";
  platform::StartUpHeap heap;
  constexpr std::size_t kSurface = 1920 * 1080 * 4;
  void* first = std::malloc(kSurface);
  ASSERT_NE(first, nullptr);
  std::memset(first, 1, kSurface);
  std::free(first);
  void* second = std::malloc(kSurface);
  EXPECT_EQ(second, first);
  std::memset(second, 2, kSurface);
  const std::size_t during = mallinfo2().arena;
  std::free(second);
  EXPECT_EQ(mallinfo2().arena, during) << "nothing goes back while the dock starts";

  heap.End();
  EXPECT_LT(mallinfo2().arena + kSurface, during);
  void* later = std::malloc(64);
  EXPECT_NE(later, nullptr);
  std::free(later);
}

}  // namespace
}  // namespace qav
