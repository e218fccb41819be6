#include "app/program_win.h"

namespace pavane {

Win32Program::Win32Program(AppState& state, forms::Prompter& prompter, std::string registryKey)
    : registry_(std::move(registryKey)), main_(state, {host_, prompter, registry_, launcher_, menuMetrics_}) {}

}  // namespace pavane
