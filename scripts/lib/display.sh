# shellcheck shell=bash
# with_display COMMAND...: runs COMMAND on the X display it is given, or,
# without one, on a virtual X server of its own (Xvfb) for as long as it runs.
#
# xvfb-run -a finds a free display number by the lock files in its own /tmp
# only, while X's abstract sockets are shared by every root on the network
# (a chroot or a container beside us): start the search at a number of our
# own. -noreset: the server would reset whenever its last client left, and
# refuse whoever connects in that moment.
with_display() {
  if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1920x1080x24 -noreset" "$@"
  else
    "$@"
  fi
}
