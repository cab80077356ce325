#!/usr/bin/env bash
# Frames per second of the Windows program under Wine (Direct3D 9 through
# wined3d on OpenGL, Mesa's llvmpipe) and of the native program (our
# stand-ins on OpenGL, the same llvmpipe), one after the other on one Xvfb
# 1920×1080 screen, so both draw a 1870×1030 back buffer into a window of the
# same size. Each runs for a while and is ended with Esc, as a user ends it.
# Under Wine, WINEDEBUG=fps makes wined3d print its frame rate each second;
# the native program is the unchanged build/zarv with a preloaded shim that
# counts its swaps (FrameRateShim.c). Each prints the median of its
# per-second figures after a warm-up. Also prints the sizes of zarv.exe and
# of the zip.
#   bench/windows/run.sh [native-build [windows-build]]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
native=$(realpath "${1:-build}")
windows=$(realpath "${2:-build-windows}")
seconds=20 # per program
warm_up=3  # the first per-second figures left out
. "$repo/scripts/lib/version.sh"
zip=$windows/zarv-$(project_version "$repo")-windows.zip
for file in "$native/zarv" "$native/frame_rate_shim.so" "$windows/program/zarv.exe" "$zip"; do
  [ -f "$file" ] || {
    echo "windows/run.sh: $file is missing (build the native targets zarv and frame_rate_shim; run scripts/windows)" >&2
    exit 1
  }
done
export WINEPREFIX=$windows/wine

scratch=$(mktemp -d --tmpdir zarv-windows-bench.XXXXXX)
bench_cleanup() { rm -rf "$scratch"; }
. "$repo/bench/lib.sh"
bench_xvfb
export DISPLAY=$bench_display

# The Windows program as the zip lays it out: bin/zarv.exe beside art/.
mkdir -p "$scratch/bin" "$scratch/art/3d"
ln -s "$windows/program/zarv.exe" "$scratch/bin/zarv.exe"
ln -s "$repo/art/3d/yak_52" "$scratch/art/3d/yak_52"

# Runs "$@" in FOLDER for $seconds once its window is up, ends it with Esc
# and leaves what it printed in LOG.
run() {
  local folder=$1 log=$2
  shift 2
  (cd "$folder" && exec setsid "$@" >"$log" 2>&1) &
  local pid=$!
  local window
  window=$(timeout 60 xdotool search --sync --name '^Zarv$' | head -n 1) || {
    echo "windows/run.sh: no window from $*" >&2
    kill -- "-$pid" 2>/dev/null
    exit 1
  }
  sleep "$seconds"
  xdotool windowfocus --sync "$window" keydown Escape sleep 0.5 keyup Escape
  wait "$pid" || echo "windows/run.sh: $* ended with status $?" >&2
}

# The median of the per-second figures in LOG (lines matching PATTERN) after
# the warm-up, and how many there were.
fps_median() {
  local figures
  figures=$(grep -- "$2" "$1" | sed -n 's/.*@ approx \([0-9.]*\)fps.*/\1/p' | tail -n "+$((warm_up + 1))")
  [ -n "$figures" ] || { echo "no figures"; return; }
  printf '%.1f fps (median of %d seconds)' "$(median <<<"$figures")" "$(wc -l <<<"$figures")"
}

run "$scratch/bin" "$scratch/wine.log" env WINEDEBUG=fps "$repo/scripts/lib/wine-run" zarv.exe
run "$native" "$scratch/native.log" env LD_PRELOAD="$native/frame_rate_shim.so" ZARV_NO_MESSAGE_BOX=1 ./zarv

echo "zarv.exe under Wine (wined3d, llvmpipe): $(fps_median "$scratch/wine.log" wined3d_cs_exec_present)"
echo "native zarv (OpenGL, llvmpipe):          $(fps_median "$scratch/native.log" frame-rate-shim)"
echo "zarv.exe: $(stat -c %s "$windows/program/zarv.exe") bytes; $(basename "$zip"): $(stat -c %s "$zip") bytes"
