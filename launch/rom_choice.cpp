#include "launch/rom_choice.h"

namespace pavane {

forms::FileDialogRequest RomOpenRequest(std::string_view initialDirectory, std::string_view fileName) {
  forms::FileDialogRequest request;
  request.title = "Open ROM";
  request.filter = "ROM formats|*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP|All files|*.*";
  request.initialDirectory = initialDirectory;
  request.fileName = fileName;
  request.mustExist = true;
  return request;
}

}  // namespace pavane
