# The whole program under Wine against the native one, on the test run's X
# display (1920×1080): its window, the frame it shows once the aircraft has
# settled (against zarv-capture's), and how it ends (Esc; a missing mesh
# file, against the native program). Every test shows a window captioned
# "Zarv", as other tests' windows are: they run alone.
find_package(X11 REQUIRED)
find_program(ZARV_XDOTOOL xdotool REQUIRED)

# window_probe.exe (built by the Windows build, tests/windows/CMakeLists.txt)
# asks Win32, under Wine, about the program's window.
set(window_probe ${windows_program}/window_probe.exe)
if(NOT EXISTS ${window_probe})
  message(FATAL_ERROR "${windows_program} holds no window_probe.exe: run scripts/windows")
endif()

add_executable(windows_program_tests
  EndingTest.cpp
  ProgramFolder.cpp
  SettledFrameTest.cpp
  WindowTest.cpp
  WineProgram.cpp
  XTopWindow.cpp
)
target_link_libraries(windows_program_tests PRIVATE test_child_process test_x_window_pixels picture_png
  X11::X11 GTest::gtest_main)
target_compile_definitions(windows_program_tests PRIVATE
  ZARV_WINE_RUN="${wine_run}"
  ZARV_WINDOWS_PROGRAM="${windows_program}/zarv.exe"
  ZARV_NATIVE_PROGRAM="$<TARGET_FILE:zarv>"
  ZARV_CAPTURE="$<TARGET_FILE:zarv-capture>"
  ZARV_ART="${CMAKE_SOURCE_DIR}/art/3d/yak_52"
  ZARV_WINDOW_PROBE="${window_probe}"
  ZARV_XDOTOOL="${ZARV_XDOTOOL}")
add_dependencies(windows_program_tests zarv zarv-capture)

# One CTest test per suite; a suite's cases share one run of the program
# where they can.
foreach(suite WineWindow SettledFrame WineProgramEnd)
  add_test(NAME windows.program.${suite} COMMAND windows_program_tests --gtest_filter=${suite}.*)
  set_tests_properties(windows.program.${suite} PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endforeach()
# Esc reaches the program only while its window has the keyboard focus.
set_tests_properties(windows.program.WineProgramEnd PROPERTIES RESOURCE_LOCK x11_focus)
