# shellcheck shell=bash
# Sourced by the bench scripts: a virtual X server of their own, and the
# median of a list of figures.

# Starts Xvfb with a 1920×1080 screen on a display number of its own (X's
# abstract sockets are shared with any root or container beside us), sets
# bench_display (":N") to it, and stops it when the script ends, after
# running the script's own bench_cleanup, if it defines one.
bench_xvfb() {
  bench_display=:$((100 + RANDOM % 800))
  Xvfb "$bench_display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  bench_xvfb_pid=$!
  trap 'kill "$bench_xvfb_pid" 2>/dev/null; ! declare -F bench_cleanup >/dev/null || bench_cleanup' EXIT
  sleep 1
}

# The median of the numbers on standard input, one a line ("nan" when there
# are none; of an even count, the lower of the two middle figures).
median() {
  sort -g | awk '{ a[NR] = $1 } END { if (NR) print a[int((NR + 1) / 2)]; else print "nan" }'
}
