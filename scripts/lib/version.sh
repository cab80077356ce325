# shellcheck shell=bash
# Sourced by the release scripts: the project's version, as project() in the
# top CMakeLists.txt names it (the one place it is written), and the time
# the release files carry.

project_version() { # repository folder
  sed -n 's/^project(zarv VERSION \([0-9][0-9.]*\).*/\1/p' "$1/CMakeLists.txt"
}

# The time every file of a release carries: SOURCE_DATE_EPOCH when set (the
# reproducible-builds convention), else the last commit's time, so that one
# commit gives the same bytes whenever and wherever it is built.
release_epoch() { # repository folder
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  else
    git -C "$1" log -1 --format=%ct
  fi
}
