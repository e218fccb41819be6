#include "app/about_box.h"

#include "app/about_layout.h"

namespace pavane {

TAboutBox::TAboutBox(forms::FormHost& host, forms::FormView* owner)
    : window_(host.CreateForm(AboutBoxForm(), {}, owner)) {}

}  // namespace pavane
