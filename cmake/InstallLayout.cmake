# Where `cmake --install` puts the desktop build (GNUInstallDirs), with every
# path relative to the prefix, so that an installed tree can be moved:
#   bin/zarv                       the launcher (desktop/zarv.in)
#   bin/zarv-capture               the capture tool
#   lib/zarv/zarv                  the program itself, private to the launcher
#   share/zarv/art/3d/yak_52/      the fifteen mesh files
# The program reads its art from ../art/3d/yak_52/ of its working folder, so
# the launcher and the capture tool run it in share/zarv/art. They find that
# folder and the program from their own place, by the relative paths below.
include(GNUInstallDirs)

set(ZARV_APP_ID "org.zarv.zarv")
set(ZARV_INSTALL_PROGRAMDIR "lib/${PROJECT_NAME}")
set(ZARV_INSTALL_ARTDIR "${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}/art")

# From the folder of bin/zarv and bin/zarv-capture (computed on full paths,
# so that an absolute CMAKE_INSTALL_* still gives a relative answer).
file(RELATIVE_PATH ZARV_ART_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
  "${CMAKE_INSTALL_PREFIX}/${ZARV_INSTALL_ARTDIR}")
file(RELATIVE_PATH ZARV_PROGRAM_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
  "${CMAKE_INSTALL_PREFIX}/${ZARV_INSTALL_PROGRAMDIR}/zarv")
