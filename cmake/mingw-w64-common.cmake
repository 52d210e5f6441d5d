# What every MinGW-w64 cross build shares; the toolchain file that includes
# this names the processor (i686 or x86_64) and the thread model (win32 or
# posix) in TAVREL_MINGW_ARCH and TAVREL_MINGW_THREADS.
set(CMAKE_SYSTEM_NAME Windows)
if(TAVREL_MINGW_ARCH STREQUAL "i686")
  set(CMAKE_SYSTEM_PROCESSOR x86)
else()
  set(CMAKE_SYSTEM_PROCESSOR ${TAVREL_MINGW_ARCH})
endif()

set(triple ${TAVREL_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-${TAVREL_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${triple}-g++-${TAVREL_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
