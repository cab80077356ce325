# shellcheck shell=bash
# Sourced by the bench scripts: a virtual X server of their own, and the
# median of a list of figures.
# shellcheck source=scripts/lib/display.sh
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/display.sh"

# Starts Xvfb (start_xvfb in scripts/lib/display.sh), sets bench_display
# (":N") to it, and stops it when the script ends, after running the
# script's own bench_cleanup, if it defines one.
bench_xvfb() {
  start_xvfb
  # shellcheck disable=SC2034 # the bench scripts read it
  bench_display=$xvfb_display
  trap 'kill "$xvfb_pid" 2>/dev/null; ! declare -F bench_cleanup >/dev/null || bench_cleanup' EXIT
}

# The median of the numbers on standard input, one a line ("nan" when there
# are none; of an even count, the lower of the two middle figures).
median() {
  sort -g | awk '{ a[NR] = $1 } END { if (NR) print a[int((NR + 1) / 2)]; else print "nan" }'
}
