#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pavane {

// The one set of emulator options Pavane edits at a time. Before the first
// read every option is 0 and every text is empty.
struct Settings {
  std::uint8_t FrameSkip = 0;
  std::uint8_t AutoFrameSkip = 0;
  std::uint8_t Player1Device = 0;
  std::uint8_t Player2Device = 0;
  std::uint8_t Execute = 0;
  std::uint8_t VideoMode = 0;
  std::uint8_t Sound = 0;
  std::uint8_t SoundRate = 0;
  std::uint8_t Stereo = 0;
  std::uint8_t GUIDisable = 0;
  std::uint8_t Scanlines = 0;
  std::uint8_t Interpolation = 0;
  std::uint8_t EnterSkip = 0;
  std::uint8_t Force8bit = 0;
  std::uint8_t CopyMethod = 0;
  std::uint8_t NewGfx = 0;
  std::string ScanKey1;
  std::string ScanKey2;
  std::string JoyMap;
  std::string SaveDirectory;
  std::string GameDirectory;
  std::string ZSnesCmdLine;

  bool operator==(const Settings&) const = default;
};

using OptionField = std::uint8_t Settings::*;
using TextField = std::string Settings::*;

struct NamedOption {
  std::string_view name;
  OptionField field;
};
struct NamedText {
  std::string_view name;
  TextField field;
};

// The record's fields in record order, which is also their order in a template file.
inline constexpr std::array<NamedOption, 16> kOptionFields{{
    {"FrameSkip", &Settings::FrameSkip},
    {"AutoFrameSkip", &Settings::AutoFrameSkip},
    {"Player1Device", &Settings::Player1Device},
    {"Player2Device", &Settings::Player2Device},
    {"Execute", &Settings::Execute},
    {"VideoMode", &Settings::VideoMode},
    {"Sound", &Settings::Sound},
    {"SoundRate", &Settings::SoundRate},
    {"Stereo", &Settings::Stereo},
    {"GUIDisable", &Settings::GUIDisable},
    {"Scanlines", &Settings::Scanlines},
    {"Interpolation", &Settings::Interpolation},
    {"EnterSkip", &Settings::EnterSkip},
    {"Force8bit", &Settings::Force8bit},
    {"CopyMethod", &Settings::CopyMethod},
    {"NewGfx", &Settings::NewGfx},
}};
inline constexpr std::array<NamedText, 6> kTextFields{{
    {"ScanKey1", &Settings::ScanKey1},
    {"ScanKey2", &Settings::ScanKey2},
    {"JoyMap", &Settings::JoyMap},
    {"SaveDirectory", &Settings::SaveDirectory},
    {"GameDirectory", &Settings::GameDirectory},
    {"ZSnesCmdLine", &Settings::ZSnesCmdLine},
}};

inline constexpr std::string_view kDefaultScanKey1 = "77, 75, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81";
inline constexpr std::string_view kDefaultScanKey2 = "51, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46";
inline constexpr std::string_view kDefaultJoyMap = "0, 0, 1, 3, 2, 4, 5, 6";
inline constexpr std::string_view kDefaultGameDirectory = "E:\\ZSNES";

// Items behind the index fields; the stored value is the item's position.
inline constexpr std::array<std::string_view, 7> kDeviceNames{
    "Disable",           "Keyboard",         "Joystick", "4 button joystick (1)", "4 button joystick (2)",
    "6 button joystick", "Sidewinder Joypad"};
inline constexpr std::array<std::string_view, 8> kVideoModeNames{
    "320x240x256",       "256x256x256 (Default)", "320x240x256 VESA2", "320x240x65536 VESA2",
    "640x480x256 VESA2", "640x480x65536 VESA2",   "512x384x256 VESA2", "512x384x65536 VESA2"};
inline constexpr std::array<std::string_view, 3> kCopyMethodNames{"Normal", "FPU Copy", "MMX Copy"};

// Cuts a list text ("77, 75, 80") at every comma into trimmed items. The piece
// after the last comma is always kept, even when empty. Empty text gives no
// items and false.
bool SplitList(std::string_view text, std::vector<std::string>& items);

// Joins items with ", " between them; the items are taken as they stand.
std::string JoinList(const std::vector<std::string>& items);

}  // namespace pavane
