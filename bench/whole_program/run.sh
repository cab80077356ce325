#!/usr/bin/env bash
# Start-up of the program in fresh processes of whole_program_bench, on Xvfb
# and on the offscreen driver: the median of each figure over the runs.
#   bench/whole_program/run.sh [build-folder [runs]]
set -euo pipefail
bench=$(realpath "${1:-build}")/whole_program_bench
runs=${2:-10}
display=$((100 + RANDOM % 800))
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
for driver in x11 offscreen; do
  for ((i = 0; i < runs; i++)); do
    DISPLAY=":$display" SDL_VIDEODRIVER=$driver ZARV_NO_MESSAGE_BOX=1 "$bench" --frames 10
  done |
    awk -v driver="$driver" -v runs="$runs" '
      function median(list,    n, parts, i, j, t) {
        n = split(list, parts, " ")
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
          if (parts[j] + 0 < parts[i] + 0) { t = parts[i]; parts[i] = parts[j]; parts[j] = t }
        return parts[int((n + 1) / 2)]
      }
      /^Start-up, process start/ { v["whole"] = v["whole"] " " $(NF - 1) }
      /^  [A-Za-z]/ && / ms / {
        name = $0; sub(/^  /, "", name); sub(/ +[0-9.]+ ms.*$/, "", name)
        for (k = 1; k <= NF; k++) if ($(k + 1) == "ms") { v[name] = v[name] " " $k; break }
        if (!(name in order)) { order[name] = ++count; names[count] = name }
      }
      END {
        printf "%s, medians of %d fresh processes: start to first presented frame %.1f ms\n", driver, runs, median(v["whole"])
        for (i = 1; i <= count; i++) printf "  %-36s %7.1f ms\n", names[i], median(v[names[i]])
      }'
done
