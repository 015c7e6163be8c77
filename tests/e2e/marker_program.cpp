// A program the dock starts in the Windows run under Wine: it leaves its arguments, one a line, in
// "<its own path>.out", written beside and renamed into place so that a reader never sees half.

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  char self[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  const std::string out = std::string(self, length) + ".out";
  const std::string temporary = out + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return 1;
  for (int i = 1; i < argc; ++i) std::fprintf(file, "%s\n", argv[i]);
  if (std::fclose(file) != 0) return 1;
  return ::MoveFileExA(temporary.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
