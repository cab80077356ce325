# Writes OUT, which ctest includes: one test a scene of `SCENES --list`
# (d3d9-scenes), comparing our picture of it with Wine's by COMPARE
# (d3d9-scenes-compare) in the way its kind asks. The pictures are in
# FOLDER/ours and FOLDER/wine.
execute_process(COMMAND ${SCENES} --list OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCENES} --list failed (${status})")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(tests "")
set(count 0)
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([a-z0-9-]+) (geometry|text)$")
    message(FATAL_ERROR "${SCENES} --list: \"${line}\" is not a scene and its kind")
  endif()
  set(scene ${CMAKE_MATCH_1})
  set(kind ${CMAKE_MATCH_2})
  set(ours "${FOLDER}/ours/${scene}.ppm")
  set(wine "${FOLDER}/wine/${scene}.ppm")
  # A geometry comparison also writes where the two differ.
  set(difference "")
  if(kind STREQUAL "geometry")
    set(difference " [==[${FOLDER}/${scene}-difference.ppm]==]")
  endif()
  string(APPEND tests
    "add_test([==[windows.direct3d.${scene}]==] [==[${COMPARE}]==] ${kind} [==[${ours}]==] [==[${wine}]==]${difference})\n"
    "set_tests_properties([==[windows.direct3d.${scene}]==] PROPERTIES FIXTURES_REQUIRED d3d9_scenes)\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${SCENES} --list names no scene")
endif()
file(WRITE ${OUT} "${tests}")
