#!/usr/bin/env bash
# Starts the real program in an X window, presses Esc through the X server
# (a real key event), and expects it to end with status 0 within seconds.
#
#   zarv_ends_on_escape.sh PROGRAM [FOLDER]
#
# The program runs in FOLDER, by default its own folder (where a build finds
# the art at ../art/3d/yak_52/); an installed launcher runs from anywhere.
set -u
zarv=$1
folder=${2:-$(dirname "$zarv")}
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "skipped: needs an X display and xdotool"
  exit 77
fi
cd "$folder" || exit 1
"$zarv" &
pid=$!
# The key goes down through the X server's test extension; once the program
# has ended on it, its window is gone and a keyup sent there is lost. Let go
# of it for the whole server, or the next program started on this X server
# finds Esc held and ends at once.
trap 'kill $pid 2>/dev/null; xdotool keyup Escape 2>/dev/null' EXIT

window=$(timeout 20 xdotool search --sync --name '^Zarv$' | head -n 1)
if [ -z "$window" ]; then
  echo "FAIL: no window captioned Zarv appeared"
  exit 1
fi
# Without a window manager nothing gives the window the focus: take it, so
# the keyboard (readable only in the foreground) sees the key.
for _ in $(seq 1 50); do
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  # Held long enough for a frame to see it: the keyboard is sampled once a frame.
  xdotool keydown --window "$window" Escape 2>/dev/null || true
  sleep 0.3
  xdotool keyup --window "$window" Escape 2>/dev/null || true
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "FAIL: the program still runs after Esc"
  exit 1
fi
wait $pid
status=$?
trap - EXIT
xdotool keyup Escape 2>/dev/null
if [ $status -ne 0 ]; then
  echo "FAIL: exit status $status, expected 0"
  exit 1
fi
echo "ok: Esc ended the program with status 0"
