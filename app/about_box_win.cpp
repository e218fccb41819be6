#include "app/about_box_win.h"

#include "app/about_layout.h"

namespace pavane {

TAboutBox::TAboutBox(HWND owner) : window_(AboutBoxForm()) { window_.Create(owner); }

}  // namespace pavane
