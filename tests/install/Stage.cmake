# cmake -DBUILD=<build folder> -DSTAGE=<folder> -P Stage.cmake: installs the
# build into STAGE as a package build does (DESTDIR=STAGE, prefix /usr),
# replacing whatever an earlier run left there.
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix /usr
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD} into ${STAGE} failed: ${status}")
endif()
