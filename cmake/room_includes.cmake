# Script mode: fails when a file of ROOM includes a header of a room other
# than its own and those in USES. ROOMS names every room; other includes
# (the platform's, the standard library's) are not looked at.
#   cmake -DROOT=<sources> -DROOM=widgets -DUSES=base -DROOMS=base,store,...
#         [-DSTAMP=<file touched when all is well>] -P room_includes.cmake

cmake_policy(VERSION 3.20)
string(REPLACE "," ";" USES "${USES}")
string(REPLACE "," ";" ROOMS "${ROOMS}")
file(GLOB files ${ROOT}/${ROOM}/*.h ${ROOT}/${ROOM}/*.cpp ${ROOT}/${ROOM}/*.rc)

set(faults "")
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"(([a-z_]+)/[^\"]*)\".*" "\\1" header "${include}")
    string(REGEX REPLACE "/.*" "" owner "${header}")
    if(owner IN_LIST ROOMS AND NOT owner STREQUAL ROOM AND NOT owner IN_LIST USES)
      file(RELATIVE_PATH name ${ROOT} ${file})
      string(APPEND faults "  ${name} includes ${header}\n")
    endif()
  endforeach()
endforeach()

if(faults)
  if(USES)
    list(JOIN USES ", " allowed)
  else()
    set(allowed "no other room")
  endif()
  message(FATAL_ERROR "${ROOM}/ may include only its own headers and those of ${allowed}:\n${faults}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
