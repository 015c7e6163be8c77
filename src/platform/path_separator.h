#pragma once
// The separator the platform's file paths use; every folder value of the program ends with it.

namespace qav::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace qav::platform
