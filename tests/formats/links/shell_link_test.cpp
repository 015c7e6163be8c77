// Shell links made by Windows and by other tools, against what their sources say they point at,
// and links cut short or bent to lie.

#include "formats/links/shell_link.h"

#include <set>

#include "support/samples.h"

namespace qav::readers {
namespace {

using test::ReadSampleBytes;

struct ExpectedLink {
  const char* file;
  const char* target;
  const char* arguments = "";
  const char* workingDir = "";
  const char* iconPath = "";
  int iconIndex = 0;
  int showCommand = 1;
  const char* description = nullptr;  // not checked when null
};

// Share names appear as the LinkInfo stores them ("STORAGE", "C"), which may differ in case from
// the other paths of the same link. local_extra_0xa2000001's drive item holds only "\": the file
// records no drive letter for its target.
const ExpectedLink kLinks[] = {
    {"01-Command_Prompt.lnk", R"(%windir%\system32\cmd.exe)"},
    {"1-Desktop.lnk", R"(%windir%\explorer.exe)", "shell:::{3080F90D-D7AD-11D9-BD98-0000947B0257}"},
    {"Chrome_Remote_Desktop.lnk", R"(C:\Program Files (x86)\Google\Chrome\Application\chrome.exe)",
     " --profile-directory=Default --app-id=gbchcmhmhahfdphkhkmpfmihenigjmpp",
     R"(C:\Program Files (x86)\Google\Chrome\Application)",
     R"(C:\Users\e\AppData\Local\Google\Chrome\User Data\Default\Web Applications\_crx_gbchcmhmhahfdphkhkmpfmihenigjmpp\Chrome Remote Desktop.ico)"},
    {"Control_Panel_win10.lnk", "::{5399E694-6CE5-4D6C-8FCE-1D8870FDCBA0}", "", "",
     R"(%windir%\system32\imageres.dll)", -27},
    {"Network_Connections_xp.lnk", R"(C:\WINDOWS\explorer.exe)",
     R"(::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\::{21EC2020-3AEA-1069-A2DD-08002B30309D}\::{7007acc7-3202-11d1-aad2-00805fc1270e})",
     "%HOMEDRIVE%%HOMEPATH%", R"(%SystemRoot%\system32\netshell.dll)"},
    {"Notepad_win10.lnk", R"(%windir%\system32\notepad.exe)", "", "%HOMEDRIVE%%HOMEPATH%",
     R"(%windir%\system32\notepad.exe)", 0, 1, R"(@%SystemRoot%\system32\Shell32.dll,-22563)"},
    {"Notepad_xp.lnk", R"(C:\WINDOWS\system32\notepad.exe)", "", "%HOMEDRIVE%%HOMEPATH%"},
    {"Snagit_12.lnk", R"(C:\Program Files (x86)\TechSmith\Snagit 12\Snagit32.exe)", "",
     R"(C:\Program Files (x86)\TechSmith\Snagit 12\)", "", 0, 7, "Capture from your screen"},
    {"Windows_Media_Player_win7.lnk", R"(%ProgramFiles(x86)%\Windows Media Player\wmplayer.exe)",
     "/prefetch:1", R"(%ProgramFiles(x86)%\Windows Media Player)",
     R"(%ProgramFiles(x86)%\Windows Media Player\wmplayer.exe)"},
    {"Word_2016.lnk", R"(C:\Program Files\Microsoft Office\Office16\WINWORD.EXE)", "", "",
     R"(C:\windows\Installer\{90160000-000F-0000-0000-0000000FF1CE}\wordicon.exe)"},
    {"broken_link_info.lnk", R"(C:\Program Files\xt\xt.exe)", "", R"(C:\Program Files\xt)"},
    {"console_properties_block.lnk", R"(C:\Windows\SysWOW64\WindowsPowerShell\v1.0\powershell.exe)",
     "", "%HOMEDRIVE%%HOMEPATH%", R"(%SystemRoot%\syswow64\WindowsPowerShell\v1.0\powershell.exe)"},
    {"darwin_block.lnk",
     R"(C:\Windows\Installer\{DB8757A3-1B62-4136-8D95-D2CB9F00E36C}\test_icon.ico)", "", "",
     R"(C:\WINDOWS\Installer\{DB8757A3-1B62-4136-8D95-D2CB9F00E36C}\test_icon.ico)", 0, 1,
     "This is the shortcut description"},
    {"decoding_error3.lnk", R"(C:\Users\Дима\Desktop\PixelMod\Mod for Pixelmon\Error Fix.bat)", "",
     R"(C:\Users\Дима\Desktop\PixelMod\Mod for Pixelmon)", R"(%SystemRoot%\System32\SHELL32.dll)",
     29},
    {"diacritic_symbols.lnk", R"(D:\ööö\äöüàéèíïóòúü.txt)", "", R"(D:\ööö)"},
    {"extra_data.lnk", R"(C:\Users\Jonathan\AppData\Roaming\.minecraft)"},
    {"local.directory.xp.lnk", R"(C:\WINDOWS\system32)"},
    {"local.file.darwin.lnk",
     R"(C:\Windows\Installer\{AC76BA86-7AD7-1036-7B44-A93000000001}\SC_Reader.ico)", "", "",
     R"(C:\Windows\Installer\{AC76BA86-7AD7-1036-7B44-A93000000001}\SC_Reader.ico)"},
    {"local.file.env.lnk", R"(C:\WINDOWS\system32\WindowsPowerShell\v1.0\powershell.exe)", "",
     "%HOMEDRIVE%%HOMEPATH%", R"(%SystemRoot%\system32\WindowsPowerShell\v1.0\powershell.exe)"},
    {"local.file.exec.lnk",
     R"(D:\Devl.Net\@Perso\Shellify\ShellifyTool\bin\Debug\ShellifyTool.exe)",
     "argument1 argument2 argument3", R"(D:\Devl.Net\@Perso\Shellify\ShellifyTool\bin\Debug)",
     R"(%SystemRoot%\system32\SHELL32.dll)", 27, 1, "ExecTesting"},
    {"local.file.icoset.lnk",
     R"(D:\Devl.Net\@Perso\Shellify\ShellifyLib\bin\Debug\ShellifyLib.dll)", "",
     R"(D:\Devl.Net\@Perso\Shellify\ShellifyLib\bin\Debug)", R"(%SystemRoot%\system32\SHELL32.dll)",
     130},
    {"local_disk.lnk", R"(C:\)"},
    {"local_emoji.lnk", R"(C:\Users\Public\Downloads\test❤️and🍰.txt)", "",
     R"(C:\Users\Public\Downloads)"},
    {"local_extra_0xa2000001.lnk", R"(\Windows\system32\cmd.exe)"},
    {"local_file.lnk", R"(C:\Windows\explorer.exe)", "", R"(C:\Windows)"},
    {"local_folder.lnk", R"(C:\Users\stray\Desktop\New folder)"},
    {"local_thispc.lnk", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {"microsoft_example.lnk", R"(C:\test\a.txt)", "", R"(C:\test)"},
    {"migwiz_vista.lnk", R"(D:\Windows\System32\migwiz\migwiz.exe)", "",
     R"(%SystemRoot%\system32\migwiz)", R"(%SystemRoot%\system32\migwiz\migwiz.exe)", 0, 3},
    {"mounted_folder1_file1.lnk", R"(\\192.168.138.2\storage\Downloads\folder1\file1.txt)", "",
     R"(Z:\Downloads\folder1)"},
    {"net_folder1_file1.lnk", R"(\\192.168.138.2\STORAGE\Downloads\folder1\file1.txt)", "",
     R"(\\192.168.138.2\storage\Downloads\folder1)"},
    {"network_info.lnk",
     R"(\\10.0.0.150\LMmetal\A - LM METAL LIFT\01.OBCHOD - BROŽURY - Prodejní a technické informace o produktech\ETN\ETN-Katalog-ENG\Katalog ETN 10_2017\Lift-programme\ETN-lift programme 2017.pdf)",
     "",
     R"(Z:\A - LM METAL LIFT\01.OBCHOD - BROŽURY - Prodejní a technické informace o produktech\ETN\ETN-Katalog-ENG\Katalog ETN 10_2017\Lift-programme)"},
    {"recent1.lnk", R"(C:\Users\heznik\Downloads\2020M09_01_contract.pdf)", "",
     R"(C:\Users\heznik\Downloads)"},
    {"remote.file.xp.lnk",
     R"(\\ALS-FICHIERS3\QUALITÉ\Archives\Méthodologie WAS\Norme de développement JAVA.doc)", "",
     R"(\\als-fichiers3\Qualité\Archives\Méthodologie WAS)"},
    {"send_to_fax.lnk", R"(%windir%\system32\WFS.exe)", "/SendTo", "",
     R"(%windir%\system32\WFSR.dll)"},
    {"unicodeNetworkPath.lnk", R"(\\ޓ\C\relay\说明.txt)", "", R"(\\ޓ\c\relay)"},
    {"uwp_calc.lnk", "Microsoft.WindowsCalculator_8wekyb3d8bbwe!App"},
};

// The Darwin descriptors of the advertised samples, as their sources decode them.
const std::pair<std::string, std::string> kAdvertised[] = {
    {"darwin_block.lnk", ",s?WosbRz8?b5SjnTa~J<"},
    {"local.file.darwin.lnk", "34TL`lrv5(mOG_3$,CC!ReaderProgramFiles>p=@0y{Wn0A8XHjl@4WqB"}};

class SampleLinks : public ::testing::Test {};

TEST_F(SampleLinks, EverySampleGivesWhatItsSourceDescribes) {
  std::set<std::string> listed;
  for (const ExpectedLink& expected : kLinks) {
    SCOPED_TRACE(expected.file);
    listed.insert(expected.file);
    const auto link =
        ParseShellLink(ReadSampleBytes(std::filesystem::path("links") / expected.file));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, expected.target);
    EXPECT_EQ(link->arguments, expected.arguments);
    EXPECT_EQ(link->workingDir, expected.workingDir);
    EXPECT_EQ(link->iconPath, expected.iconPath);
    EXPECT_EQ(link->iconIndex, expected.iconIndex);
    EXPECT_EQ(link->showCommand, expected.showCommand);
    EXPECT_EQ(link->description, expected.description ? expected.description : link->description);
    std::string darwinId;
    for (const auto& [file, id] : kAdvertised)
      if (file == expected.file) darwinId = id;
    EXPECT_EQ(link->darwinId, darwinId);
    EXPECT_EQ(link->advertised, !darwinId.empty());
  }
  for (const auto& sample : test::SamplesIn("links", ".lnk")) {
    const std::string name = sample.filename().string();
    EXPECT_TRUE(listed.count(name)) << name << " is not in the table";
  }
}

TEST_F(SampleLinks, DamageLosesOnlyWhatTheDamagedPartSupplies) {
  const std::string target =
      R"(D:\Devl.Net\@Perso\Shellify\ShellifyTool\bin\Debug\ShellifyTool.exe)";
  auto bytes = ReadSampleBytes("links/local.file.exec.lnk");
  const auto first = [&](std::size_t size) { return ParseShellLink(std::span(bytes).first(size)); };
  EXPECT_FALSE(first(75));
  EXPECT_EQ(first(76).value().iconIndex, 27);  // the header alone: a link without parts
  EXPECT_EQ(first(76).value().target, "");
  // ID list, LinkInfo, then the description "ExecTesting", the relative path...
  const std::size_t linkInfo = 78 + bytes[76] + 256 * bytes[77];
  const std::size_t description = linkInfo + bytes[linkInfo] + 256 * bytes[linkInfo + 1];
  const ShellLink cut = first(description + 2 + 2 * 11 + 10).value();
  EXPECT_EQ(cut.target, target);
  EXPECT_EQ(cut.description, "ExecTesting");
  EXPECT_EQ(cut.relativePath, "");
  // A LinkInfo claiming more bytes than the file holds: the ID list still names the target.
  std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(linkInfo), 4, 0xFF);
  EXPECT_EQ(ParseShellLink(bytes).value().target, target);
  EXPECT_EQ(ParseShellLink(bytes).value().arguments, "");
  bytes[60] = 2;  // SW_SHOWMINIMIZED: the system runs links as normal unless 3 or 7
  EXPECT_EQ(ParseShellLink(bytes).value().showCommand, 1);
  bytes[19] ^= 1;  // another class id
  EXPECT_FALSE(ParseShellLink(bytes));
}

// A link without IsUnicode stores its strings in the writer's code page.
TEST(ShellLink, ReadsCodePageStringsAsUtf8OrWindows1252) {
  std::vector<std::uint8_t> bytes(76, 0);
  const std::uint8_t header[20] = {0x4C, 0, 0,    0, 0x01, 0x14, 0x02, 0, 0, 0,
                                   0,    0, 0xC0, 0, 0,    0,    0,    0, 0, 0x46};
  std::copy(std::begin(header), std::end(header), bytes.begin());
  bytes[20] = 0x24;  // HasName, HasArguments
  for (const std::string_view text : {"caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC"}) {
    bytes.push_back(static_cast<std::uint8_t>(text.size()));
    bytes.push_back(0);
    bytes.insert(bytes.end(), text.begin(), text.end());
  }
  const auto link = ParseShellLink(bytes);
  ASSERT_TRUE(link);
  EXPECT_EQ(link->description, "café €");
  EXPECT_EQ(link->arguments, "café €");
}

}  // namespace
}  // namespace qav::readers
