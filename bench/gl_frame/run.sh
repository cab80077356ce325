#!/usr/bin/env bash
# Runs every frame scenario on Xvfb and on the offscreen driver, each in a
# process of its own, in one go: bench/gl_frame/run.sh [build-folder [frames]]
set -euo pipefail
bench=$(realpath "${1:-build}")/gl_frame_bench
frames=${2:-300}
export ZARV_NO_MESSAGE_BOX=1
display=$((100 + RANDOM % 800))
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
for scenario in clear-present scene program; do
  DISPLAY=":$display" SDL_VIDEODRIVER=x11 "$bench" "$scenario" --frames "$frames"
  env -u DISPLAY SDL_VIDEODRIVER=offscreen "$bench" "$scenario" --frames "$frames"
done
