# What the mesh tests share with the programs outside tests/ that check or
# time the mesh reader. Included from the top CMakeLists, so that the fuzz
# and benchmark builds have it without the tests.
#
# stdio_mesh_reader: the plain stdio reading of mesh files (StdioMeshReader.h)
# and its comparison with the program's reader (MeshReadingDifference.h), the
# reference the tests and the fuzzer check the program's reader against, and
# the mesh benchmark reads beside it; and the stdio stream over bytes in
# memory it reads them from (ByteStream.h), which the number scan test uses.
add_library(stdio_mesh_reader STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ByteStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MeshReadingDifference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StdioMeshReader.cpp
)
target_include_directories(stdio_mesh_reader PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(stdio_mesh_reader PUBLIC zarv_mesh_reader mesh_test_support)

include(${CMAKE_CURRENT_LIST_DIR}/../support/ScratchFolder.cmake)

# mesh_test_support: a temporary folder for written files, canonical mesh
# text and a cube (MeshTestSupport.h), for the tests and the mesh benchmark.
add_library(mesh_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/MeshTestSupport.cpp)
target_include_directories(mesh_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mesh_test_support PUBLIC test_scratch_folder)
