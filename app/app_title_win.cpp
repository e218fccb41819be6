#include "app/app_title_win.h"

#include "base/message_texts.h"
#include "win32/resource_string.h"

namespace pavane {

std::string LoadAppTitle() {
  std::string title = win::LoadResourceString(IDS_APP_TITLE);
  return title.empty() ? std::string(TEXT_APP_TITLE) : title;
}

}  // namespace pavane
