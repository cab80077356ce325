#!/usr/bin/env bash
# Times the real program from its start to its first presented frame, in
# fresh processes, on Xvfb and on the offscreen driver; prints every run and
# the median of each. With --cold, Mesa's shader cache is left out, as on a
# machine that has never run the program.
#   bench/start_up/run.sh [--cold] [build-folder [runs]]
set -euo pipefail
cache=()
if [ "${1:-}" = "--cold" ]; then
  cache=(MESA_SHADER_CACHE_DISABLE=true)
  shift
fi
build=$(realpath "${1:-build}")
runs=${2:-10}
shim=$build/first_frame_shim.so
[ -f "$shim" ] || { echo "start_up/run.sh: $shim is missing (build the first_frame_shim target)" >&2; exit 1; }
display=$((100 + RANDOM % 800))
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
cd "$build"
for driver in x11 offscreen; do
  times=()
  for ((i = 0; i < runs; i++)); do
    line=$(env "${cache[@]}" DISPLAY=":$display" SDL_VIDEODRIVER=$driver ZARV_NO_MESSAGE_BOX=1 \
      LD_PRELOAD="$shim" bash -c 'ZARV_BENCH_START_NS=$(date +%s%N) exec ./zarv' 2>&1 |
      sed -n 's/^first frame presented \([0-9.]*\) ms after start$/\1/p')
    times+=("${line:-nan}")
  done
  median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
  echo "$driver: start to first presented frame, median of $runs: $median ms (runs: ${times[*]})"
done
