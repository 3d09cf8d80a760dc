cmake_minimum_required(VERSION 3.20)
# Draws the manual's board diagrams with the game itself, so that they show
# the board as the game paints it, with the names of the squares around it
# and a marked move drawn as a line. Called with -DGAME=<velmora> -DLIST=<list>
# -DOUT=<folder>; each line of the list is name|variant|position|move.
file(MAKE_DIRECTORY "${OUT}")
file(STRINGS "${LIST}" lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  string(REPLACE "|" ";" fields "${line}")
  list(GET fields 0 name)
  list(GET fields 1 variant)
  list(GET fields 2 position)
  list(LENGTH fields count)
  set(path "")
  if(count GREATER 3)
    list(GET fields 3 path)
  endif()
  set(mark "")
  if(NOT path STREQUAL "")
    set(mark --path "${path}")
  endif()
  # A home of its own: the player's settings and skins do not reach the manual.
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            "${GAME}" --home "${OUT}/home" --position "${variant}" "${position}" ${mark} --diagram --size 320
            --export-board "${OUT}/${name}.png"
    RESULT_VARIABLE failed ERROR_VARIABLE why)
  if(failed)
    message(FATAL_ERROR "diagram ${name}: ${why}")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}/home")
