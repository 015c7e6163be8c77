#pragma once
// Windows shell links (.lnk files, the binary format of MS-SHLLINK), read on any platform.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qav::readers {

// What a shell link says, in UTF-8. Windows paths stay exactly as stored: backslashes, and
// %VARIABLE% references left for the caller to expand on the system that runs the link.
struct ShellLink {
  // The best path the link gives for its target (see ParseShellLink); empty when it gives none.
  std::string target;
  std::string arguments;
  std::string workingDir;
  std::string iconPath;  // empty when the link names no icon
  int iconIndex = 0;
  // SW_SHOWNORMAL (1), SW_SHOWMAXIMIZED (3) or SW_SHOWMINNOACTIVE (7); the system runs a link
  // with any other stored value as 1, and so is it reported.
  int showCommand = 1;
  std::string description;
  std::string relativePath;  // relative to the folder that holds the link
  // An advertised link (one a Windows Installer package made) names its program by this
  // descriptor; the installer finds, and if need be repairs, the program when the link starts.
  std::string darwinId;
  bool advertised = false;
};

// Reads the bytes of a .lnk file. The target is, in order of preference:
//  1. the LinkInfo path: local base path + common path suffix (the Unicode forms when present),
//     or network share name + suffix. An ANSI path was written in a code page the file does not
//     record; when it holds characters beyond ASCII and the ID list spells the same path in
//     Unicode, the ID list's spelling is taken instead;
//  2. the target of the environment-variable block, unexpanded ("%windir%\notepad.exe");
//  3. the path the ID list spells: a drive and folder/file names, "::{GUID}" for shell folders
//     such as This PC, or the application id of an item of the Applications folder;
//  4. the relative path.
// Nothing when the bytes are no shell link or end inside the header. Any later structure that is
// cut short or lies about its size only loses what it would have supplied.
std::optional<ShellLink> ParseShellLink(std::span<const std::uint8_t> bytes);

}  // namespace qav::readers
