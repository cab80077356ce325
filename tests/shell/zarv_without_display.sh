#!/usr/bin/env bash
# Without any display the program says so in one line and exits with 1.
set -u
zarv=$1
cd "$(dirname "$zarv")"
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ZARV_NO_MESSAGE_BOX=1 \
  timeout 20 "$zarv" 2>&1 >/dev/null)
status=$?
lines=$(printf '%s\n' "$err" | grep -c .)
if [ $status -ne 1 ]; then
  echo "FAIL: exit status $status, expected 1; stderr: $err"
  exit 1
fi
if [ "$lines" -ne 1 ] || ! printf '%s' "$err" | grep -qi 'display'; then
  echo "FAIL: expected one line naming the missing display, got: $err"
  exit 1
fi
echo "ok: $err"
