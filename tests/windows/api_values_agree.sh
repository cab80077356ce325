#!/usr/bin/env bash
# Runs api_values built against our headers and api_values.exe built against
# Windows' own under Wine, and fails naming every constant, size or offset
# on which they disagree.
#   api_values_agree.sh NATIVE-PROGRAM WINE-RUN WINDOWS-PROGRAM
set -euo pipefail
ours=$("$1")
theirs=$("$2" "$3" | tr -d '\r')
[ -n "$ours" ] && [ -n "$theirs" ] || {
  echo "api_values printed nothing (ours: ${#ours} bytes, Windows': ${#theirs} bytes)" >&2
  exit 1
}
if [ "$ours" != "$theirs" ]; then
  differences=$(diff <(echo "$ours") <(echo "$theirs") || true)
  sed -n 's/^< /ours:      /p; s/^> /Windows'"'"': /p' <<<"$differences" >&2
  echo "our headers disagree with Windows' own on $(grep -c '^<' <<<"$differences") lines" >&2
  exit 1
fi
echo "$(echo "$ours" | wc -l) constants, sizes and offsets agree"
