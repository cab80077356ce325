# Our Direct3D 9 against Wine's, picture by picture. tools/d3d9-scenes draws
# its scenes twice, here with our stand-in (offscreen) and, built for Windows,
# under Wine with Wine's Direct3D 9 and D3DX 9; one test a scene then judges
# the two pictures with d3d9-scenes-compare: geometry and lighting pixel by
# pixel (at least 99.5 % within 4 levels), text by where its lines stand and
# their colour, since the two fonts' glyphs differ (Wine's GDI draws "Areal"
# as Liberation Sans, fontconfig gives us DejaVu Sans). The scene lists name
# every scene of tools/d3d9-scenes/Scenes.cpp.
set(d3d9_scenes_exe ${windows_program}/d3d9-scenes.exe)
if(NOT EXISTS ${d3d9_scenes_exe})
  message(FATAL_ERROR "${windows_program} holds no d3d9-scenes.exe: run scripts/windows again")
endif()
set(d3d9_geometry_scenes
  clear unlit-colours lit-materials lit-ambient lit-vertex-colours wireframe cull-none cull-cw
  cull-ccw depth mesh-formats transforms raster-fill raster-wireframe)
set(d3d9_text_scenes text text-clipped)

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

foreach(scene IN LISTS d3d9_geometry_scenes)
  add_test(NAME windows.direct3d.${scene}
    COMMAND d3d9-scenes-compare geometry ${scene_folder}/ours/${scene}.ppm
            ${scene_folder}/wine/${scene}.ppm ${scene_folder}/${scene}-difference.ppm)
  set_tests_properties(windows.direct3d.${scene} PROPERTIES FIXTURES_REQUIRED d3d9_scenes)
endforeach()
foreach(scene IN LISTS d3d9_text_scenes)
  add_test(NAME windows.direct3d.${scene}
    COMMAND d3d9-scenes-compare text ${scene_folder}/ours/${scene}.ppm
            ${scene_folder}/wine/${scene}.ppm)
  set_tests_properties(windows.direct3d.${scene} PROPERTIES FIXTURES_REQUIRED d3d9_scenes)
endforeach()
