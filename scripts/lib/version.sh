# shellcheck shell=bash
# Sourced by the release scripts: the project's version, as project() in the
# top CMakeLists.txt names it (the one place it is written).

project_version() { # repository folder
  sed -n 's/^project(zarv VERSION \([0-9][0-9.]*\).*/\1/p' "$1/CMakeLists.txt"
}
