#pragma once
// Reads shared by the parts of the shell link reader: views cut to what a file really holds, and
// NUL-terminated strings that stop at the end of their view when the terminator is missing.

#include <cstdint>
#include <string>

#include "base/byte_view.h"

namespace qav::readers {

// The part of [offset, offset + count) that lies inside `view`; empty when none does.
ByteView ClampedView(ByteView view, std::uint64_t offset, std::uint64_t count);

// The raw bytes of an 8-bit string at `offset`.
std::string ByteText(ByteView view, std::uint64_t offset);
// An 8-bit string at `offset` in an unknown code page, as UTF-8 (see AnsiToUtf8).
std::string AnsiText(ByteView view, std::uint64_t offset);
// A UTF-16LE string at `offset`, as UTF-8.
std::string UnicodeText(ByteView view, std::uint64_t offset);

}  // namespace qav::readers
