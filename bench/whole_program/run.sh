#!/usr/bin/env bash
# Start-up of the program in fresh processes of whole_program_bench, on Xvfb
# and on the offscreen driver: the median of each figure over the runs (from
# the process's start to its first presented frame, and its split). With
# --cold, Mesa's shader cache is left out, as on a machine that has never run
# the program.
#   bench/whole_program/run.sh [--cold] [build-folder [runs]]
set -euo pipefail
cache=()
if [ "${1:-}" = "--cold" ]; then
  cache=(MESA_SHADER_CACHE_DISABLE=true)
  shift
fi
bench=$(realpath "${1:-build}")/whole_program_bench
runs=${2:-10}
. "$(dirname "$0")/../lib.sh"
bench_xvfb
for driver in x11 offscreen; do
  # Each figure of each run as "name<TAB>milliseconds".
  figures=$(for ((i = 0; i < runs; i++)); do
    env "${cache[@]}" DISPLAY="$bench_display" SDL_VIDEODRIVER=$driver ZARV_NO_MESSAGE_BOX=1 \
      "$bench" --frames 10
  done | awk '
      /^Start-up, process start/ { print "whole\t" $(NF - 1) }
      /^  [A-Za-z]/ && / ms / {
        name = $0; sub(/^  /, "", name); sub(/ +[0-9.]+ ms.*$/, "", name)
        for (k = 1; k <= NF; k++) if ($(k + 1) == "ms") { print name "\t" $k; break }
      }')
  of() { awk -F'\t' -v name="$1" '$1 == name { print $2 }' <<<"$figures" | median; }
  echo "$driver, medians of $runs fresh processes: start to first presented frame $(of whole) ms"
  awk -F'\t' '$1 != "whole" && !seen[$1]++ { print $1 }' <<<"$figures" |
    while IFS= read -r name; do printf '  %-36s %7s ms\n' "$name" "$(of "$name")"; done
done
