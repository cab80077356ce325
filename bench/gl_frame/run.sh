#!/usr/bin/env bash
# Runs every frame scenario on Xvfb and on the offscreen driver, each in a
# process of its own, in one go: bench/gl_frame/run.sh [build-folder [frames]]
set -euo pipefail
bench=$(realpath "${1:-build}")/gl_frame_bench
frames=${2:-300}
export ZARV_NO_MESSAGE_BOX=1
. "$(dirname "$0")/../lib.sh"
bench_xvfb
for scenario in clear-present scene program; do
  DISPLAY="$bench_display" SDL_VIDEODRIVER=x11 "$bench" "$scenario" --frames "$frames"
  env -u DISPLAY SDL_VIDEODRIVER=offscreen "$bench" "$scenario" --frames "$frames"
done
