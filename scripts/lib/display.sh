# shellcheck shell=bash
# A virtual X server (Xvfb) for the scripts that need a display: with_display
# runs one command on it, the bench scripts keep one for their whole run
# (bench/lib.sh).

# start_xvfb: starts Xvfb with a 1920x1080 screen and sets xvfb_display (":N")
# and xvfb_pid once it accepts clients; the caller stops it. The server picks
# its display number itself (-displayfd), trying each until it can listen:
# X's abstract sockets are shared by every root on the network (a chroot or a
# container beside us), so a number whose lock file is free here may still
# be taken. -noreset: the server would reset whenever its last client left,
# and refuse whoever connects in that moment.
start_xvfb() {
  local ready number
  ready=$(mktemp -u --tmpdir zarv-xvfb.XXXXXX)
  mkfifo "$ready"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r number <"$ready" || true
  rm -f "$ready"
  if [ -z "$number" ]; then
    echo "display.sh: Xvfb did not start" >&2
    return 1
  fi
  xvfb_display=:$number
}

# with_display COMMAND...: runs COMMAND on the X display it is given, or,
# without one, on a virtual X server of its own for as long as it runs.
with_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
    return
  fi
  start_xvfb || return
  local status=0
  DISPLAY=$xvfb_display "$@" || status=$?
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null || true
  return "$status"
}
