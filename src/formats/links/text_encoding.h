#pragma once
// Text as Windows files store it, turned into the UTF-8 the rest of the program works in.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/text.h"

namespace qav::readers {

// Every UTF-16LE code unit of `bytes` (an odd last byte is ignored); unpaired surrogates become
// U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);

// Windows-1252, with the five unassigned bytes kept as the C1 controls of the same value, the way
// the system converts them.
std::string Windows1252ToUtf8(std::string_view bytes);

// A string in the "ANSI" code page of whichever machine wrote it. That code page is recorded
// nowhere, so bytes that form valid UTF-8 are taken as UTF-8 (some tools write it there), and
// anything else as Windows-1252, the most common one.
std::string AnsiToUtf8(std::string_view bytes);

}  // namespace qav::readers
