#include "formats/links/link_bytes.h"

#include <algorithm>

#include "formats/links/text_encoding.h"

namespace qav::readers {
namespace {

// Bytes from `offset` up to the first NUL character of `width` bytes, or to the view's end.
ByteView Terminated(ByteView view, std::uint64_t offset, std::uint64_t width) {
  std::uint64_t end = offset;
  while (view.Contains(end, width) && (width == 1 ? view.U8(end) : view.U16(end)) != 0)
    end += width;
  return ClampedView(view, offset, end - offset);
}

}  // namespace

ByteView ClampedView(ByteView view, std::uint64_t offset, std::uint64_t count) {
  if (offset >= view.size()) return ByteView();
  return ByteView(*view.Slice(offset, std::min(count, view.size() - offset)));
}

std::string ByteText(ByteView view, std::uint64_t offset) {
  const auto bytes = Terminated(view, offset, 1).bytes();
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::string AnsiText(ByteView view, std::uint64_t offset) {
  return AnsiToUtf8(ByteText(view, offset));
}

std::string UnicodeText(ByteView view, std::uint64_t offset) {
  return Utf16LeToUtf8(Terminated(view, offset, 2).bytes());
}

}  // namespace qav::readers
