#!/usr/bin/env bash
# Runs the frame benchmarks on Xvfb and on the offscreen driver, each
# benchmark in a process of its own: gl_frame/run.sh build-folder
set -euo pipefail
bench=${1:-build}/gl_frame_bench
cd "$(dirname "$bench")"
export ZARV_NO_MESSAGE_BOX=1
for filter in BM_ClearPresentFloor BM_ProgramFrame 'BM_DeviceFrame/1' 'BM_DeviceFrame/0'; do
  echo "== $filter: Xvfb"
  xvfb-run -a -s "-screen 0 1920x1080x24" ./gl_frame_bench --benchmark_filter="$filter" \
    2>/dev/null | grep '^BM_'
  echo "== $filter: offscreen"
  SDL_VIDEODRIVER=offscreen ./gl_frame_bench --benchmark_filter="$filter" 2>/dev/null | grep '^BM_'
done
