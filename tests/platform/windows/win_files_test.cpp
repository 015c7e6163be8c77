// Files on a Windows file system: crash-safe saves, and reads of what the user's world holds.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/files/bounded_read.h"
#include "platform/files/wide_text.h"
#include "platform/windows/win_file_ops.h"
#include "platform/windows/win_test_folder.h"

namespace qav::platform {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(WinFileOps, AtomicWriteReplacesTheOldFileWhole) {
  test::WinTestFolder dir;
  WinFileOps files;
  const std::string path = dir / "settings \u00fc.ini";
  ASSERT_TRUE(WriteAtomically(files, path, Bytes("old")));
  ASSERT_TRUE(WriteAtomically(files, path, Bytes("new contents")));
  EXPECT_EQ(test::ReadAll(path), "new contents");
  EXPECT_FALSE(test::HasTemporaryCopy(path));
  EXPECT_TRUE(WriteAtomically(files, path, Bytes("quick"), false));
  EXPECT_EQ(test::ReadAll(path), "quick");
}

TEST(WinFileOps, AFailedReplaceKeepsTheOldFileAndRemovesTheTemporary) {
  test::WinTestFolder dir;
  WinFileOps files;
  // A folder where the file belongs cannot be replaced by a file.
  const std::string folder = dir / "taken";
  ASSERT_TRUE(::CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr));
  EXPECT_FALSE(WriteAtomically(files, folder, Bytes("lost")));
  EXPECT_FALSE(test::HasTemporaryCopy(folder));
  // Nor can a file another program holds open without letting it be deleted.
  const std::string held = dir / "held.dat";
  ASSERT_TRUE(WriteAtomically(files, held, Bytes("old")));
  const HANDLE holder = ::CreateFileW(Utf8ToWide(held).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteAtomically(files, held, Bytes("new")));
  ::CloseHandle(holder);
  EXPECT_EQ(test::ReadAll(held), "old");
  EXPECT_FALSE(test::HasTemporaryCopy(held));
}

TEST(WinFileOps, RemovingWhatIsNotThereSucceeds) {
  test::WinTestFolder dir;
  WinFileOps files;
  EXPECT_TRUE(files.RemoveFile(dir / "never.txt"));
  EXPECT_TRUE(files.RemoveFile(dir / "no folder\\never.txt"));
  ASSERT_TRUE(WriteAtomically(files, dir / "once.txt", Bytes("x")));
  EXPECT_TRUE(files.RemoveFile(dir / "once.txt"));
  EXPECT_FALSE(test::Exists(dir / "once.txt"));
}

TEST(WinBoundedRead, OnlyRegularFilesAreRead) {
  test::WinTestFolder dir;
  const std::wstring pipeName =
      L"\\\\.\\pipe\\qav-bounded-read-" + std::to_wstring(::GetCurrentProcessId());
  const HANDLE pipe = ::CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1,
                                         64, 64, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  for (const std::string& path : {dir.path(), WideToUtf8(pipeName), std::string("NUL"),
                                  std::string("CON"), dir / "missing.txt", std::string()}) {
    EXPECT_FALSE(IsRegularFile(path)) << path;
    EXPECT_FALSE(ReadFilePrefix(path, 100)) << path;
    EXPECT_FALSE(ReadWholeFile(path, 100)) << path;
  }
  ::CloseHandle(pipe);
}

TEST(WinBoundedRead, ReadsStopAtTheirLimit) {
  test::WinTestFolder dir;
  const std::string file = dir / "ten \u00e9.txt";
  WinFileOps files;
  ASSERT_TRUE(WriteAtomically(files, file, Bytes("0123456789"), false));
  EXPECT_TRUE(IsRegularFile(file));
  EXPECT_EQ(ReadFilePrefix(file, 4)->size(), 4u);
  EXPECT_EQ(ReadWholeFile(file, 10)->size(), 10u);
  EXPECT_FALSE(ReadWholeFile(file, 9));
  EXPECT_EQ(ReadWholeTextFile(file, 100), "0123456789");
  // A file another program is writing stays readable.
  const HANDLE writer =
      ::CreateFileW(Utf8ToWide(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadWholeTextFile(file, 100), "0123456789");
  const auto pieces = FilePieces::Open(file);
  ASSERT_TRUE(pieces);
  EXPECT_EQ(pieces->Size(), 10u);
  EXPECT_EQ(pieces->Read(3, 4), Bytes("3456"));
  EXPECT_FALSE(pieces->Read(8, 3));
  EXPECT_FALSE(FilePieces::Open(dir.path()));
  ::CloseHandle(writer);
}

}  // namespace
}  // namespace qav::platform
