// send-keys TITLE KEY...: waits up to 30 seconds for a top-level window
// captioned TITLE, brings it to the front and presses each KEY through the
// system's input queue, a short pause after each. A KEY is a letter, digit
// or one of alt, tab, enter, esc, f1 to f12, after any of "ctrl+", "alt+",
// "shift+" (alt+i). Exits 1 when the window never shows or a KEY is unknown.

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Key {
  std::vector<WORD> modifiers;
  WORD key = 0;
};

std::optional<WORD> NamedKey(const std::string& name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
  }
  if (name == "alt") return VK_MENU;  // alone: into the menu bar
  if (name == "tab") return VK_TAB;
  if (name == "enter") return VK_RETURN;
  if (name == "space") return VK_SPACE;
  if (name == "esc") return VK_ESCAPE;
  if (name.size() >= 2 && name[0] == 'f') {
    const int number = std::atoi(name.c_str() + 1);
    if (number >= 1 && number <= 12) return static_cast<WORD>(VK_F1 + number - 1);
  }
  return std::nullopt;
}

std::optional<Key> ParseKey(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  Key key;
  for (;;) {
    const auto plus = text.find('+');
    if (plus == std::string::npos || plus + 1 == text.size()) break;
    const std::string modifier = text.substr(0, plus);
    if (modifier == "ctrl") {
      key.modifiers.push_back(VK_CONTROL);
    } else if (modifier == "alt") {
      key.modifiers.push_back(VK_MENU);
    } else if (modifier == "shift") {
      key.modifiers.push_back(VK_SHIFT);
    } else {
      return std::nullopt;
    }
    text.erase(0, plus + 1);
  }
  const auto named = NamedKey(text);
  if (!named) return std::nullopt;
  key.key = *named;
  return key;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));  // MAPVK_VK_TO_VSC
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Press(const Key& key) {
  std::vector<INPUT> inputs;
  for (const WORD modifier : key.modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key.key, false));
  inputs.push_back(KeyInput(key.key, true));
  for (auto it = key.modifiers.rbegin(); it != key.modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: send-keys TITLE KEY...\n", stderr);
    return 2;
  }
  std::vector<Key> keys;
  for (int i = 2; i < argc; ++i) {
    const auto key = ParseKey(argv[i]);
    if (!key) {
      std::fprintf(stderr, "send-keys: unknown key %s\n", argv[i]);
      return 1;
    }
    keys.push_back(*key);
  }
  HWND window = nullptr;
  for (int tries = 0; tries < 300 && !window; ++tries) {
    window = FindWindowA(nullptr, argv[1]);
    if (!window) Sleep(100);
  }
  if (!window) {
    std::fprintf(stderr, "send-keys: no window \"%s\"\n", argv[1]);
    return 1;
  }
  SetForegroundWindow(window);
  Sleep(300);
  for (const Key& key : keys) {
    Press(key);
    Sleep(300);
  }
  return 0;
}
