#!/usr/bin/env bash
# The page in headless Chromium against its bare WebGL 2 floor and against the
# native program on llvmpipe at the same size, in one run:
# bench/web/run.sh [native-build-folder]
# (scripts/web must have built build-web/site; the native build gives
# zarv-capture, for the floor's poses, and gl_frame_bench.)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
node bench/web/page_bench.js build-web/site "$build" 1280 800
# The page's canvas is 1280 x 772 (the help line takes 28 px): the native
# program on a screen of that size has the page's back buffer.
echo "native, the same back buffer (1230x722):"
ZARV_BENCH_SCREEN=1280x772 SDL_VIDEODRIVER=offscreen "$build/gl_frame_bench" program --frames 300 |
  grep -E '^program'
