# shellcheck shell=bash
# Sourced by scripts/run and scripts/test: how both configure build/, the one
# native build folder they share. The same build type and warning setting
# give the same compile commands, so whichever runs second reuses what the
# first compiled. Warnings are errors: Debian 12's GCC builds the code without
# one, and the test command keeps it that way.
native_build_flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
