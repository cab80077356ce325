# shellcheck shell=bash
# Sourced by scripts/web-deps and scripts/windows-deps: the one way this
# project builds the static libraries of Debian packages for another target
# (WebAssembly with emscripten, Windows with mingw-w64). Sources come from
# `apt-get source` through a private apt configuration that uses the mirror
# this machine's own apt sources name (or, for GoogleTest, from the source
# Debian's googletest package installs), and everything lives under one
# folder of the target's:
#
#   $cross_work/src    unpacked sources       $cross_work/obj   build folders
#   $cross_work/apt    the apt configuration  $cross_work/logs  each step's log
#   $cross_work/deps   what the builds install: include/, lib/, lib/pkgconfig/,
#                      lib/cmake/, and a stamp a library (built-<library>)
#
# Each library is built again only when its recipe (the toolchain and the
# library's build options) changed. The sourcing script sets, first:
#
#   cross_name    its name, for messages ("web-deps")
#   cross_work    the folder above
#   cross_target  the toolchain as the recipe records it ("emcc 3.1.6")
#   cross_cmake   (array) the command that configures a CMake build for the
#                 target, e.g. (offline emcmake cmake)
#   cross_run     (array) what runs a build step, e.g. (offline); may be empty
#
# and may define check_built_<library> SOURCE-FOLDER, which fails with one
# line when a build lacks what the target needs.

cross_deps=$cross_work/deps
cross_logs=$cross_work/logs
cross_src=$cross_work/src

die() {
  echo "$cross_name: $*" >&2
  exit 1
}

# Shows the end of a step's log and stops with one line naming the step.
step_failed() { # log what
  tail -n 25 "$1" >&2
  die "$2 failed (whole log: ${1#"$PWD"/})"
}

elapsed() { # start-seconds
  awk -v s="$1" -v e="$(date +%s.%N)" 'BEGIN { printf "%.0f s", e - s }'
}

# --- What each library is -------------------------------------------------------

# One record a library: lib_record LIBRARY sets
#   rec_title             its name in messages
#   rec_package           its Debian source package
#   rec_folder            the folder its sources unpack to, as a pattern under src/
#   rec_installed_source  or, instead, where a binary package installs its sources
#   rec_version_prefix    the start of the Debian version it must have (empty: any)
#   rec_archives          the archives its build leaves in lib/
#   rec_installed         everything it installs under deps/, removed before it is
#                         built again
#   rec_flags             its CMake options; a change here builds it again
bullet_targets=(LinearMath BulletCollision BulletDynamics)
# shellcheck disable=SC2034 # the fields are read by name, in lib_field
lib_record() { # library
  rec_title='' rec_package='' rec_folder='' rec_installed_source='' rec_version_prefix=''
  rec_archives='' rec_installed='' rec_flags=''
  case $1 in
  bullet)
    # The version the native build links. Only the three libraries the
    # physics stand-in links; FindOpenGL is kept out: a Debian patch to
    # Bullet's CMake breaks it when cross-compiling.
    rec_title=Bullet rec_package=bullet rec_folder='bullet-3.24*' rec_version_prefix=3.24
    rec_archives='libLinearMath.a libBulletCollision.a libBulletDynamics.a'
    rec_installed='include/bullet lib/libLinearMath.a lib/libBulletCollision.a
      lib/libBulletDynamics.a lib/pkgconfig/bullet.pc'
    rec_flags='-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DUSE_DOUBLE_PRECISION=OFF
      -DBUILD_BULLET3=OFF -DBUILD_EXTRAS=OFF -DBUILD_PYBULLET=OFF -DBUILD_UNIT_TESTS=OFF
      -DBUILD_CPU_DEMOS=OFF -DBUILD_BULLET2_DEMOS=OFF -DBUILD_OPENGL3_DEMOS=OFF
      -DBUILD_ENET=OFF -DBUILD_CLSOCKET=OFF -DBUILD_EGL=OFF -DUSE_GLUT=OFF -DUSE_GRAPHICAL_BENCHMARK=OFF
      -DUSE_SOFT_BODY_MULTI_BODY_DYNAMICS_WORLD=OFF -DBULLET2_MULTITHREADING=OFF
      -DINSTALL_LIBS=ON -DINSTALL_CMAKE_FILES=OFF -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=TRUE'
    ;;
  freetype)
    rec_title=FreeType rec_package=freetype rec_folder='freetype-*'
    rec_archives=libfreetype.a
    rec_installed='include/freetype2 lib/libfreetype.a lib/cmake/freetype lib/pkgconfig/freetype2.pc'
    rec_flags='-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
      -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
      -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON'
    ;;
  sdl2)
    # The version the emscripten backend was checked with. SDL's own CMake
    # knows emscripten: the video driver "emscripten" (the page's canvas is
    # the one window; OpenGL ES through emscripten's EGL, i.e. WebGL), events
    # and timers. What the program does not use is left out: audio,
    # joysticks, haptics, sensors, power, threads (the build has no
    # pthreads), SDL2main and the test library.
    rec_title=SDL rec_package=libsdl2 rec_folder='libsdl2-2.26*' rec_version_prefix=2.26
    rec_archives=libSDL2.a
    rec_installed='include/SDL2 lib/libSDL2.a lib/libSDL2main.a lib/cmake/SDL2 lib/pkgconfig/sdl2.pc
      bin/sdl2-config share/aclocal/sdl2.m4 share/licenses/SDL2'
    rec_flags='-DCMAKE_BUILD_TYPE=Release -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
      -DSDL2_DISABLE_SDL2MAIN=ON -DSDL_AUDIO=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF
      -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF -DSDL_OFFSCREEN=OFF
      -DSDL_CCACHE=OFF'
    ;;
  googletest)
    # The sources Debian's googletest package installs; GoogleTest alone (no
    # GoogleMock), single-threaded as the tests are.
    rec_title=GoogleTest rec_package=googletest rec_installed_source=/usr/src/googletest
    rec_archives='libgtest.a libgtest_main.a'
    rec_installed='include/gtest lib/libgtest.a lib/libgtest_main.a lib/cmake/GTest
      lib/pkgconfig/gtest.pc lib/pkgconfig/gtest_main.pc'
    rec_flags='-DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
      -Dgtest_disable_pthreads=ON'
    ;;
  *) die "no library is called '$1'" ;;
  esac
}

# One field of a library's record, as words on one line.
lib_field() { # library field
  lib_record "$1"
  local value="rec_$2"
  local - # the folder patterns are not to be expanded here
  set -f
  # shellcheck disable=SC2086 # split into words, so that the lines join
  echo ${!value}
}
lib_package() { lib_field "$1" package; }
lib_folder() { lib_field "$1" folder; }
lib_installed_source() { lib_field "$1" installed_source; }
lib_version_prefix() { lib_field "$1" version_prefix; }
lib_title() { lib_field "$1" title; }
lib_archives() { lib_field "$1" archives; }
lib_installed() { lib_field "$1" installed; }
lib_flags() { lib_field "$1" flags; }

# --- Stamps -------------------------------------------------------------------------

cross_recipe() { # library
  echo "$cross_target; $1 $(lib_flags "$1"); paths mapped"
}
cross_stamp() { # library
  echo "$cross_deps/built-$1"
}
# Whether deps/ holds the library built by its current recipe.
cross_built() { # library
  local stamp archive
  stamp=$(cross_stamp "$1")
  [ -f "$stamp" ] && [ "$(head -n 1 "$stamp")" = "$(cross_recipe "$1")" ] || return 1
  for archive in $(lib_archives "$1"); do
    [ -f "$cross_deps/lib/$archive" ] || return 1
  done
}
# The name and version a library was built from ("Bullet 3.24+dfsg-2").
cross_built_name() { # library
  sed -n 2p "$(cross_stamp "$1")"
}
cross_write_stamp() { # library name
  printf '%s\n%s\n' "$(cross_recipe "$1")" "$2" >"$(cross_stamp "$1")"
}

# --- Sources ----------------------------------------------------------------------

# The unpacked sources of a library, the newest when there are several.
cross_source_dir() { # library
  local installed
  installed=$(lib_installed_source "$1")
  if [ -n "$installed" ]; then
    [ ! -d "$installed" ] || echo "$installed"
    return 0
  fi
  [ -d "$cross_src" ] || return 0
  find "$cross_src" -mindepth 1 -maxdepth 1 -type d -name "$(lib_folder "$1")" | sort -V | tail -n 1
}

# The full Debian version of a library's sources.
cross_source_version() { # library source-folder
  local package dsc
  package=$(lib_package "$1")
  if [ -n "$(lib_installed_source "$1")" ]; then
    dpkg-query -W -f='${Version}' "$package"
    return 0
  fi
  dsc=$(find "$cross_src" -maxdepth 1 -name "${package}_*.dsc" | sort -V | tail -n 1)
  if [ -n "$dsc" ]; then
    sed -n 's/^Version: //p' "$dsc" | head -n 1
  else
    basename "$2" | sed "s/^$package-//"
  fi
}

# Fetches the sources of the libraries that have none unpacked yet with
# apt-get source, through a private apt configuration in $cross_work/apt.
cross_fetch_sources() { # library...
  local fetch=() lib apt codename mirror updates security requests=() package prefix version offered
  for lib in "$@"; do
    [ -n "$(cross_source_dir "$lib")" ] && continue
    [ -z "$(lib_installed_source "$lib")" ] ||
      die "no $(lib_installed_source "$lib") (Debian's $(lib_package "$lib") package installs it)"
    fetch+=("$lib")
  done
  [ ${#fetch[@]} -gt 0 ] || return 0

  apt=$cross_work/apt
  local apt_opts=(
    -o Dir::Etc::SourceList="$apt/sources.list"
    -o Dir::Etc::SourceParts="$apt/sources.list.d"
    -o Dir::State::Lists="$apt/lists"
    -o Dir::Cache="$apt/cache"
  )
  echo "== sources of ${fetch[*]} (apt-get source, private configuration in ${apt#"$PWD"/}) =="
  # The mirror this machine's own apt sources name (apt_uri).
  . scripts/lib/apt-mirror.sh
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || die "/etc/os-release names no release (VERSION_CODENAME)"
  mirror=$(apt_uri "$codename")
  [ -n "$mirror" ] || die "this machine's apt sources name no mirror for $codename"
  updates=$(apt_uri "$codename-updates")
  security=$(apt_uri "$codename-security")

  rm -rf "$apt"
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" "$cross_src" \
    "$cross_logs"
  {
    echo "deb-src $mirror $codename main"
    [ -z "$updates" ] || echo "deb-src $updates $codename-updates main"
    [ -z "$security" ] || echo "deb-src $security $codename-security main"
  } >"$apt/sources.list"
  apt-get "${apt_opts[@]}" update >"$cross_logs/apt-update.log" 2>&1 ||
    step_failed "$cross_logs/apt-update.log" "apt-get update of the source lists (${apt#"$PWD"/}/sources.list)"

  for lib in "${fetch[@]}"; do
    package=$(lib_package "$lib")
    prefix=$(lib_version_prefix "$lib")
    if [ -z "$prefix" ]; then
      requests+=("$package")
      continue
    fi
    version=$(apt-cache "${apt_opts[@]}" showsrc "$package" 2>/dev/null |
      sed -n 's/^Version: //p' | grep "^${prefix//./\\.}" | sort -V | tail -n 1 || true)
    if [ -z "$version" ]; then
      offered=$(apt-cache "${apt_opts[@]}" showsrc "$package" 2>/dev/null | sed -n 's/^Version: //p' |
        sort -uV | tr '\n' ' ')
      die "the mirror offers no $package $prefix source package (it offers: ${offered:-none})"
    fi
    requests+=("$package=$version")
  done

  # As root apt downloads as the user _apt, who may not write in src/.
  local sandbox=()
  [ "$(id -u)" -ne 0 ] || sandbox=(-o APT::Sandbox::User=root)
  (cd "$cross_src" && apt-get "${apt_opts[@]}" "${sandbox[@]}" source "${requests[@]}") \
    >"$cross_logs/apt-source.log" 2>&1 ||
    step_failed "$cross_logs/apt-source.log" "apt-get source ${requests[*]}"

  for lib in "${fetch[@]}"; do
    [ -n "$(cross_source_dir "$lib")" ] ||
      die "apt-get source left no $(lib_folder "$lib") folder in ${cross_src#"$PWD"/}"
  done
}

# --- Building ---------------------------------------------------------------------

# Configures, builds and installs one library into deps/ (its earlier files
# removed first), checks that its archives are there, and prints what it built.
# Sets cross_built_as to "Title version" for cross_write_stamp.
cross_build_library() { # library
  local lib=$1 dir version obj log path archive t flags
  dir=$(cross_source_dir "$lib")
  [ -n "$dir" ] || die "no sources of $lib"
  version=$(cross_source_version "$lib" "$dir")
  cross_built_as="$(lib_title "$lib") $version"
  echo "== $cross_built_as (${dir#"$PWD"/}) =="
  t=$(date +%s.%N)
  rm -f "$(cross_stamp "$lib")"
  for path in $(lib_installed "$lib"); do
    rm -rf "${cross_deps:?}/$path"
  done
  obj=$cross_work/obj/$lib
  log=$cross_logs/$lib.log
  rm -rf "$obj"
  mkdir -p "$cross_deps/include" "$cross_deps/lib/pkgconfig" "$cross_logs"
  local generator=(-G "Unix Makefiles")
  ! command -v ninja >/dev/null || generator=(-G Ninja)
  read -r -a flags <<<"$(lib_flags "$lib")"
  local targets=()
  [ "$lib" != bullet ] || targets=(--target "${bullet_targets[@]}")
  {
    # Source paths in the archives (__FILE__ in assertions) are written
    # relative to the work folder, so that the programs linked with them do
    # not depend on where the checkout lies.
    "${cross_cmake[@]}" -S "$dir" -B "$obj" "${generator[@]}" -DCMAKE_INSTALL_PREFIX="$cross_deps" \
      -DCMAKE_C_FLAGS="-ffile-prefix-map=$cross_work/=" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$cross_work/=" \
      "${flags[@]}" &&
      "${cross_run[@]}" cmake --build "$obj" -j 2 "${targets[@]}"
  } >"$log" 2>&1 || step_failed "$log" "building $(lib_title "$lib") for $cross_target"
  if [ "$lib" = bullet ]; then
    install_bullet "$dir" "$obj" "$version" "$log"
  else
    cmake --install "$obj" >>"$log" 2>&1 || step_failed "$log" "installing $(lib_title "$lib")"
  fi
  if declare -F "check_built_$lib" >/dev/null; then
    "check_built_$lib" "$dir"
  fi
  for archive in $(lib_archives "$lib"); do
    [ -f "$cross_deps/lib/$archive" ] || die "the build left no $archive in ${cross_deps#"$PWD"/}/lib"
  done
  echo "built in $(elapsed "$t")"
}

# Bullet: only the three libraries' own install rules (headers to
# include/bullet/, archives to lib/), the two umbrella headers that include
# them, and a pkg-config file, as Debian's package has.
install_bullet() { # source-folder build-folder version log
  local target
  for target in "${bullet_targets[@]}"; do
    cmake --install "$2/src/$target" >>"$4" 2>&1 || step_failed "$4" "installing Bullet's $target"
  done
  install -m 644 "$1/src/btBulletCollisionCommon.h" "$1/src/btBulletDynamicsCommon.h" \
    "$cross_deps/include/bullet/"
  cat >"$cross_deps/lib/pkgconfig/bullet.pc" <<EOF
prefix=$cross_deps
libdir=\${prefix}/lib
includedir=\${prefix}/include/bullet

Name: bullet
Description: Bullet rigid-body physics (LinearMath, BulletCollision, BulletDynamics), built with $cross_target
Version: ${3%%+*}
Libs: -L\${libdir} -lBulletDynamics -lBulletCollision -lLinearMath
Cflags: -I\${includedir}
EOF
}

# The libraries of the list that deps/ lacks (all of them with --rebuild).
cross_todo() { # [--rebuild] library...
  local rebuild=0 lib
  if [ "${1:-}" = --rebuild ]; then
    rebuild=1
    shift
  fi
  for lib in "$@"; do
    if [ "$rebuild" -eq 1 ] || ! cross_built "$lib"; then
      echo "$lib"
    fi
  done
}

# One line: what deps/ holds ("Bullet 3.24+dfsg-2, GoogleTest 1.12.1-0.2").
cross_summary() { # library...
  local lib
  for lib in "$@"; do
    cross_built_name "$lib"
  done | paste -sd, - | sed 's/,/, /g'
}

# The archives deps/ holds, with their sizes.
cross_list_archives() { # library...
  local lib archive
  for lib in "$@"; do
    for archive in $(lib_archives "$lib"); do
      printf '%10s bytes  lib/%s\n' "$(stat -c %s "$cross_deps/lib/$archive")" "$archive"
    done
  done
}
