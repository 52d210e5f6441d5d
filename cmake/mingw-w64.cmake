# Cross-compile Tavrel for 64-bit Windows with MinGW-w64, for the tests where
# Wine cannot run 32-bit programs: the posix thread model, which GoogleTest
# and the tests' own threads need. The shipped program is the 32-bit one of
# mingw-w64-i686.cmake, built from the same sources.
set(TAVREL_MINGW_ARCH x86_64)
set(TAVREL_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
