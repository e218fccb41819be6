// Writes the fuzzers' seed inputs: files like the ones the program meets,
// one folder a fuzzer, below the folder given as the argument.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "settings/template_file.h"

namespace {

using pavane::Settings;

void Write(const std::filesystem::path& folder, const std::vector<std::string>& seeds) {
  std::filesystem::create_directories(folder);
  int number = 0;
  for (const std::string& seed : seeds) {
    std::ofstream(folder / ("seed" + std::to_string(++number)), std::ios::binary)
        .write(seed.data(), static_cast<std::streamsize>(seed.size()));
  }
}

// A 64-byte pattern repeated over a 64 KiB image puts a header at 0x7FC0
// (and at 0xFFC0) with the given title and checksum pair.
std::string RomSeed(std::string_view title, bool valid) {
  std::string seed("\x00\x00\x01\x00", 4);
  std::string header(title);
  header.resize(28, ' ');
  header += valid ? std::string("\xFF\xFF\x00\x00", 4) : std::string("\x12\x34\x56\x78", 4);
  header.resize(64, '\0');
  return seed + header;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seeds FOLDER\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  Write(root / "config_fuzz",
        {"", "FrameSkip = 0\r\nAutoFrameSkip = 1\r\nSound = 1\r\nSoundRate = 2\r\nGameDirectory = c:\\games\r\n",
         "; FrameSkip = 5\r\n  framesKIP=3\r\nFrameSkip = 3 ; fast\r\nExecute = 300\r\nPlayer2Device = -1\r\n",
         "SoundRate = 3\nsound=1\rScanKey1 = 77, 75 ,80\r\nJoyMap2 = 0, 0, 1\r\nJoyMap1 = 9\r\nNewGfx",
         std::string("GUIDisable = $1\r\nUnknown = x\0hidden\r\n", 37)});
  Settings texts;
  texts.ScanKey1 = "77, 75, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81";
  texts.ZSnesCmdLine = " -c  -g 2 ";
  texts.GameDirectory = "C:\\ROMS";
  std::string newer = pavane::EncodeTemplate(texts);
  newer[0] = static_cast<char>(151);
  const std::string whole = pavane::EncodeTemplate(texts);
  Write(root / "template_fuzz", {pavane::EncodeTemplate(Settings{}), whole, newer, whole.substr(0, 40)});
  Write(root / "rom_title_fuzz", {RomSeed("SUPER SEED GAME", true), RomSeed("NOTHING VALID", false),
                                  std::string("\x00\x02\x10\x00", 4) + std::string(600, 'A')});
  Write(root / "integer_fuzz", {"0", "-1", "$FF", " 30", "$1E", "2147483647", "-2147483648", "$FFFFFFFF", "+7"});
  Write(root / "flag_fuzz", {"0", "1", "2", "0x0", "0X10", "yes", " 1", "$1", "0x"});
  Write(root / "scan_key_fuzz",
        {"\n", "77, 75, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81\n32, 30, 31, 17, 15, 16, 45, 44, 46, 47, 18, 19",
         "77, x, $4D,, 0, 84, -1\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 99"});
  Write(root / "joy_map_fuzz", {"", "1, 2, 3, 4, 5, 6, 7, 8", "0, 12, , ,9", " 1 ,2,3,4,5,6,7,8,9,10 "});
  return 0;
}
