#include "input/key_names.h"

namespace pavane {

const std::array<std::string_view, kLastScanCode + 1> KeyNames{
    "",     "ESC",  "1",     "2",    "3",       "4",     "5",    "6",     "7",     "8",     //  0
    "9",    "0",    "-",     "=",    "BACKSPC", "TAB",   "Q",    "W",     "E",     "R",     // 10
    "T",    "Y",    "U",     "I",    "O",       "P",     "[",    "]",     "ENTER", "CTRL",  // 20
    "A",    "S",    "D",     "F",    "G",       "H",     "J",    "K",     "L",     ";",     // 30
    "'",    "~",    "LSHFT", "\\",   "Z",       "X",     "C",    "V",     "B",     "N",     // 40
    "M",    ",",    ".",     "/",    "RSHIFT",  "PRTSC", "ALT",  "SPACE", "CAPS",  "F1",    // 50
    "F2",   "F3",   "F4",    "F5",   "F6",      "F7",    "F8",   "F9",    "F10",   "NUM",   // 60
    "SCRL", "HOME", "UP",    "PGUP", "-",       "LEFT",  "KEY5", "RIGHT", "  ",    "END",   // 70
    "DOWN", "PGDN", "INS",   "DEL",                                                         // 80
};

}  // namespace pavane
