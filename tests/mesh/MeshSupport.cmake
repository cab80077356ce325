# The plain stdio reading of mesh files (StdioMeshReader.h) and its
# comparison with the program's reader (MeshReadingDifference.h): the
# reference the mesh tests and the mesh reader's fuzzer check the program's
# reader against. Included from the top CMakeLists, so that the fuzz build,
# which has no tests, has it too.
add_library(stdio_mesh_reader STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MeshReadingDifference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StdioMeshReader.cpp
)
target_include_directories(stdio_mesh_reader PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(stdio_mesh_reader PUBLIC zarv_mesh_reader)
