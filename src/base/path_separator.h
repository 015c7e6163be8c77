#pragma once
// The separator the platform's file paths use; every folder value of the program ends with it.

namespace qav::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
// Between the folders of a search path (PATH).
inline constexpr char kSearchPathSeparator = ';';
#else
inline constexpr char kPathSeparator = '/';
inline constexpr char kSearchPathSeparator = ':';
#endif

}  // namespace qav::platform
