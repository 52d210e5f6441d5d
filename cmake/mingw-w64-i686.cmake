# Cross-compile Tavrel for 32-bit Windows with MinGW-w64: the shipped file,
# which loads on every Windows from 95 on. The win32 thread model: the posix
# one links winpthreads, whose imports the loaders of Windows 95 to XP refuse.
set(TAVREL_MINGW_ARCH i686)
set(TAVREL_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
