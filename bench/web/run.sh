#!/usr/bin/env bash
# The page in headless Chromium and in Firefox ESR at 1280x720, then against
# a bare WebGL 2 floor and against the native program on llvmpipe with the
# same back buffer, in one run:
# bench/web/run.sh [native-build-folder]
# (scripts/web must have built build-web/site; the native build gives
# zarv-capture, for the floor's poses, and gl_frame_bench.)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
. bench/lib.sh
# Firefox draws WebGL 2 only with a window (Chromium stays headless).
bench_xvfb
DISPLAY=$bench_display node bench/web/page_bench.js build-web/site "$build" 1280 720
