# Cross-compile Tavrel's tests for 32-bit Windows with MinGW-w64, where Wine
# runs 32-bit programs: the posix thread model, which GoogleTest and the
# tests' own threads need. The shipped program is still the one of
# mingw-w64-i686.cmake, built from the same sources.
set(TAVREL_MINGW_ARCH i686)
set(TAVREL_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
