# Our Direct3D 9 against Wine's, picture by picture. tools/d3d9-scenes draws
# its scenes twice, here with our stand-in (offscreen) and, built for Windows,
# under Wine with Wine's Direct3D 9 and D3DX 9; one test a scene then judges
# the two pictures with d3d9-scenes-compare: geometry and lighting pixel by
# pixel (at least 99.5 % within 4 levels), text by where its lines stand and
# their colour, since the two fonts' glyphs differ (Wine's GDI draws "Areal"
# as Liberation Sans, fontconfig gives us DejaVu Sans). The comparisons come
# from the tool's own list of scenes (`d3d9-scenes --list`), read each time
# it is built, so a new scene is compared with Wine's without a word here.
set(d3d9_scenes_exe ${windows_program}/d3d9-scenes.exe)
if(NOT EXISTS ${d3d9_scenes_exe})
  message(FATAL_ERROR "${windows_program} holds no d3d9-scenes.exe: run scripts/windows again")
endif()

set(scene_folder ${CMAKE_CURRENT_BINARY_DIR}/d3d9-scenes)
file(MAKE_DIRECTORY ${scene_folder})
add_test(NAME windows.direct3d.DrawWithOurs COMMAND d3d9-scenes ${scene_folder}/ours)
set_tests_properties(windows.direct3d.DrawWithOurs PROPERTIES
  FIXTURES_SETUP d3d9_scenes
  ENVIRONMENT "SDL_VIDEODRIVER=offscreen;ZARV_NO_MESSAGE_BOX=1")
# Wine reads the relative folder against the working directory.
add_test(NAME windows.direct3d.DrawWithWine COMMAND ${wine_run} ${d3d9_scenes_exe} wine
  WORKING_DIRECTORY ${scene_folder})
set_tests_properties(windows.direct3d.DrawWithWine PROPERTIES
  FIXTURES_SETUP d3d9_scenes TIMEOUT 300)

set(scene_tests ${scene_folder}/scene-tests.cmake)
add_custom_command(OUTPUT ${scene_tests}
  COMMAND ${CMAKE_COMMAND} -DSCENES=$<TARGET_FILE:d3d9-scenes>
    -DCOMPARE=$<TARGET_FILE:d3d9-scenes-compare> -DFOLDER=${scene_folder} -DOUT=${scene_tests}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/SceneTests.cmake
  DEPENDS d3d9-scenes ${CMAKE_CURRENT_SOURCE_DIR}/SceneTests.cmake
  COMMENT "Listing the Direct3D scenes to compare with Wine's"
  VERBATIM)
add_custom_target(d3d9-scene-tests ALL DEPENDS ${scene_tests})
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${scene_tests})
