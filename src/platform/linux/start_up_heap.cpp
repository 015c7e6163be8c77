#include "platform/linux/start_up_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

namespace qav::platform {
namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
// Room for everything the start allocates, reserved (not used) in one step.
constexpr int kStartUpReserve = 32 << 20;
// Makes the heap grow by the reserve. The heap marks where its free part begins right after a
// block it hands out, so that place is touched before any advice can be given: a block this
// large puts it far from where the start's memory begins.
constexpr std::size_t kProbe = 16 << 20;
// Blocks up to this size come from the heap; a full-screen surface is 8 MB.
constexpr int kHeapBlockLimit = 32 << 20;
// Free memory at the heap's top goes back once there is this much: during the start only when
// asked, later as the C library would after freeing a full-screen surface.
constexpr int kStartUpTrimThreshold = 2 * kHeapBlockLimit;
constexpr int kTrimThreshold = 16 << 20;
// The C library's own default for what the heap grows by beyond a request.
constexpr int kDefaultTopPad = 128 << 10;
// What a heap block carries before the address the caller gets.
constexpr std::uintptr_t kBlockHeader = 2 * sizeof(std::size_t);

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnHeap = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kOwnHeap = false;
#else
constexpr bool kOwnHeap = true;
#endif
#else
constexpr bool kOwnHeap = true;
#endif

std::uintptr_t Address(const void* pointer) {
  return reinterpret_cast<std::uintptr_t>(pointer);
}

}  // namespace

StartUpHeap::StartUpHeap() {
  if (!kOwnHeap) return;
  if (::mallopt(M_MMAP_THRESHOLD, kHeapBlockLimit) != 1) return;
  ::mallopt(M_TRIM_THRESHOLD, kStartUpTrimThreshold);
  ::mallopt(M_TOP_PAD, kStartUpReserve);
  void* probe = std::malloc(kProbe);
  if (!probe) return;
  const std::uintptr_t top = Address(::sbrk(0));
  const std::uintptr_t first = (Address(probe) + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t gap = first - Address(probe);
  std::free(probe);
  // Only the heap that just grew: anything else means the block did not come from it.
  if (top <= first || top - first > kProbe + kStartUpReserve + 2 * kLargePage) return;
  if (::madvise(reinterpret_cast<void*>(first), top - first, MADV_HUGEPAGE) != 0) return;
  begin_ = first;
  end_ = top;
  if (gap > kBlockHeader) spacer_ = std::malloc(gap - kBlockHeader);
}

StartUpHeap::~StartUpHeap() {
  std::free(spacer_);
}

void StartUpHeap::End() {
  if (!kOwnHeap) return;
  std::free(spacer_);
  spacer_ = nullptr;
  ::mallopt(M_TOP_PAD, kDefaultTopPad);
  ::mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
  // Large pages kept past the start would round every hole in the heap up to 2 MiB.
  if (end_ > begin_) ::madvise(reinterpret_cast<void*>(begin_), end_ - begin_, MADV_NOHUGEPAGE);
  begin_ = end_ = 0;
  ::malloc_trim(0);
}

}  // namespace qav::platform
