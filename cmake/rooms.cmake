# One static library per room (a top folder of the sources). A room links
# only the rooms it names in USES, and its files may include only their
# headers and its own: a check run before each room compiles fails the build
# on any other include of a room.

set(TAVREL_ROOMS base store widgets pages app cli)

function(tavrel_room room)
  cmake_parse_arguments(ROOM "" "" "USES;LIBRARIES;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${room}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${room}/*.h ${CMAKE_SOURCE_DIR}/${room}/*.rc)
  set(files ${sources} ${headers})
  foreach(excluded IN LISTS ROOM_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${room}/${excluded})
  endforeach()

  set(checked ${CMAKE_BINARY_DIR}/rooms/${room}.checked)
  list(JOIN ROOM_USES "," uses)
  list(JOIN TAVREL_ROOMS "," rooms)
  add_custom_command(
    OUTPUT ${checked}
    COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -DROOM=${room} -DUSES=${uses} -DROOMS=${rooms}
            -DSTAMP=${checked} -P ${CMAKE_SOURCE_DIR}/cmake/room_includes.cmake
    DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/room_includes.cmake
    COMMENT "Checking that ${room}/ includes only what it may use"
    VERBATIM)

  add_library(tavrel_${room} STATIC ${sources} ${checked})
  list(TRANSFORM ROOM_USES PREPEND tavrel_ OUTPUT_VARIABLE below)
  target_link_libraries(tavrel_${room} PUBLIC ${below} ${ROOM_LIBRARIES})
endfunction()
