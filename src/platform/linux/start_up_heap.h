#pragma once
// The heap while the dock starts. Start-up touches some 10 MB of fresh memory (the record tables,
// the menu file, the skin's pictures, the window's surfaces), and where each first touch of a
// 4 KiB page costs a trip to the hypervisor that alone is a fifth of the time to the first frame.
// For the start the heap's new memory is served in 2 MiB pages where the system allows it (one
// trap instead of 512), and large blocks come from the heap, so that a picture freed is reused
// by the next one instead of being handed back and faulted in again. Where the C library or the
// system offers none of this (or a sanitizer owns the heap), nothing changes.

#include <cstddef>
#include <cstdint>

namespace qav::platform {

class StartUpHeap {
 public:
  StartUpHeap();
  ~StartUpHeap();
  StartUpHeap(const StartUpHeap&) = delete;
  StartUpHeap& operator=(const StartUpHeap&) = delete;

  // From here on memory is handed back as before and no more large pages are made, so that a
  // long-running dock holds only what it uses.
  void End();

 private:
  // The part of the heap served in large pages, empty when none is.
  std::uintptr_t begin_ = 0;
  std::uintptr_t end_ = 0;
  // Keeps the last partly used large page out of reach: what would land there is faulted in
  // 4 KiB at a time.
  void* spacer_ = nullptr;
};

}  // namespace qav::platform
