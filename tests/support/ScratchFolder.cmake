# test_scratch_folder: a scratch folder for a test's files (portable). Included
# by tests/support and by tests/mesh/MeshSupport.cmake, which the fuzz and
# benchmark builds include without the tests.
if(NOT TARGET test_scratch_folder)
  add_library(test_scratch_folder STATIC ${CMAKE_CURRENT_LIST_DIR}/ScratchFolder.cpp)
  target_include_directories(test_scratch_folder PUBLIC ${CMAKE_CURRENT_LIST_DIR})
endif()
