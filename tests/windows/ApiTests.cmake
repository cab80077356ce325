# Our headers of Win32, Direct3D 9, D3DX 9 and DirectInput 8 against Windows'
# own: api_values prints every constant they define and the layout of every
# structure the program fills, built both ways; the outputs must be equal.
include(${CMAKE_CURRENT_LIST_DIR}/ListApiNames.cmake)
zarv_write_api_names(${CMAKE_CURRENT_BINARY_DIR}/ApiNames.inc)
add_executable(api_values ${CMAKE_CURRENT_LIST_DIR}/ApiValues.cpp)
target_include_directories(api_values PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(api_values PRIVATE platform_api_headers)
if(NOT WIN32)
  target_include_directories(api_values PRIVATE ${CMAKE_SOURCE_DIR}/compat/dinput/include)
  add_test(NAME windows.api_values_agree
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/api_values_agree.sh $<TARGET_FILE:api_values> ${wine_run}
            ${windows_program}/api_values.exe)
  set_tests_properties(windows.api_values_agree PROPERTIES TIMEOUT 60)
endif()
