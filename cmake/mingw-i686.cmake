# Cross build for 32-bit Windows: the program Pavane ships as.
set(PAVANE_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
