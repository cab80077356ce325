# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX
# thread model, so that the C++ library has its threads and mutexes):
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/MingwW64.cmake [-DZARV_WINDOWS_DEPS=DIR] ...
# Programs are linked statically against libgcc, libstdc++ and winpthread,
# so that an .exe needs only Windows' own DLLs and the DirectX runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Libraries are found in mingw-w64's own root and in ZARV_WINDOWS_DEPS, the
# folder scripts/windows-deps builds Bullet and GoogleTest into.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${ZARV_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without a link time stamp in the PE header, the same sources link to the
# same bytes (the release files are reproducible).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
# A release .exe carries no symbols (half its size).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
