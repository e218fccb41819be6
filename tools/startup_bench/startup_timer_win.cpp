// Measures how long programs take from their start until their first window
// is on screen: starts one, waits for a visible top-level window of its
// process, ends it, and goes on to the next. The programs run by turns in
// this one process, so each meets the same warm desktop; a first round that
// only warms the caches is not printed. Each further round prints one line
// with the milliseconds of each program, separated by tabs.
//
//   startup_timer RUNS PROGRAM...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "win32/handles.h"

namespace {

struct Search {
  DWORD process;
  bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.process && IsWindowVisible(window)) {
    search.found = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds until the program shows a window; negative when it never does.
double TimeOne(const char* program) {
  std::string line = std::string("\"") + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  LARGE_INTEGER frequency, begin, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return -1;
  }
  const pavane::win::UniqueKernelHandle process(started.hProcess);
  const pavane::win::UniqueKernelHandle thread(started.hThread);
  double elapsed = -1;
  for (int poll = 0; poll < 60000; ++poll) {
    Search search{started.dwProcessId, false};
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    if (search.found) {
      elapsed = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
      break;
    }
    if (WaitForSingleObject(process.Get(), 1) == WAIT_OBJECT_0) break;
  }
  TerminateProcess(process.Get(), 0);
  WaitForSingleObject(process.Get(), 5000);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  for (int round = 0; round <= runs; ++round) {
    for (int program = 2; program < argc; ++program) {
      const double ms = TimeOne(argv[program]);
      if (ms < 0) {
        std::fprintf(stderr, "startup_timer: %s showed no window\n", argv[program]);
        return 1;
      }
      if (round > 0) std::printf(program + 1 < argc ? "%.1f\t" : "%.1f\n", ms);
    }
    std::fflush(stdout);
  }
  return 0;
}
