# Where `cmake --install` puts the desktop build (GNUInstallDirs), with every
# path relative to the prefix, so that an installed tree can be moved:
#   bin/zarv                       the launcher (desktop/zarv.in); its folder
#                                  is ZARV_INSTALL_LAUNCHERDIR (Debian's
#                                  package puts games in games/)
#   bin/zarv-capture               the capture tool
#   lib/zarv/zarv                  the program itself, private to the launcher
#   share/zarv/art/3d/yak_52/      the fifteen mesh files
# The program reads its art from ../art/3d/yak_52/ of its working folder, so
# the launcher and the capture tool run it in share/zarv/art. They find that
# folder and the program from their own place, by the relative paths below.
include(GNUInstallDirs)

set(ZARV_APP_ID "org.zarv.zarv")
set(ZARV_INSTALL_LAUNCHERDIR "${CMAKE_INSTALL_BINDIR}"
  CACHE STRING "Folder of the zarv launcher, relative to the prefix (Debian: games)")
set(ZARV_INSTALL_PROGRAMDIR "lib/${PROJECT_NAME}")
set(ZARV_INSTALL_ARTDIR "${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}/art")

# Relative paths between installed folders, worked out on full paths so that
# an absolute CMAKE_INSTALL_* still gives a relative answer.
function(zarv_relative_path variable from to)
  foreach(path from to)
    if(NOT IS_ABSOLUTE "${${path}}")
      set(${path} "${CMAKE_INSTALL_PREFIX}/${${path}}")
    endif()
  endforeach()
  file(RELATIVE_PATH relative "${from}" "${to}")
  set(${variable} "${relative}" PARENT_SCOPE)
endfunction()
# From the capture tool's folder and from the launcher's.
zarv_relative_path(ZARV_ART_FROM_BIN "${CMAKE_INSTALL_BINDIR}" "${ZARV_INSTALL_ARTDIR}")
zarv_relative_path(ZARV_ART_FROM_LAUNCHER "${ZARV_INSTALL_LAUNCHERDIR}" "${ZARV_INSTALL_ARTDIR}")
zarv_relative_path(ZARV_PROGRAM_FROM_LAUNCHER "${ZARV_INSTALL_LAUNCHERDIR}"
  "${ZARV_INSTALL_PROGRAMDIR}/zarv")
