# The tests of the program's own logic that need no stand-in, built for
# Windows against Windows' own D3DX (tests/CMakeLists.txt): one CTest test per
# program, run under Wine. A failing case fails the program, and wine-run
# passes its exit status through. The files they write go under Windows'
# temporary folder, inside the Wine prefix.
#
# Two number scan cases stay out: they compare the reader's number scans,
# which follow the GNU C library's fscanf (render/ScanNumber.h), with the C
# library's own fscanf, and Windows' (mingw-w64's) takes a different number
# of characters before it fails on forms such as ".e5" and "0x.p1", and reads
# "0xp3" as 0 where the GNU one fails. The rounding cases run.
set(glibc_scan_cases
  NumberScan.EveryFormOfNumberIsReadAsTheLibraryReadsIt
  NumberScan.RandomTextIsReadAsTheLibraryReadsIt
)
list(JOIN glibc_scan_cases ":" glibc_scan_filter)

set(logic_programs controls_tests d3dx_math_tests mesh_tests scene_tests)
set(mesh_tests_arguments --gtest_filter=-${glibc_scan_filter})
foreach(program IN LISTS logic_programs)
  if(NOT EXISTS ${windows_program}/${program}.exe)
    message(FATAL_ERROR "${windows_program} holds no ${program}.exe: run scripts/windows")
  endif()
  add_test(NAME windows.${program}
    COMMAND ${wine_run} ${windows_program}/${program}.exe ${${program}_arguments})
  set_tests_properties(windows.${program} PROPERTIES LABELS "windows;logic" TIMEOUT 180)
endforeach()
