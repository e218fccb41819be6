# Cross build for 64-bit Windows: the tests' stand-in where no 32-bit program runs.
set(PAVANE_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
