#!/usr/bin/env bash
# The installed launcher, started from / through a link of its own (as a
# user's ~/bin/zarv would be), runs the installed program on the installed
# art: its window opens, and Esc ends it with status 0.
set -u
launcher=$1
here=$(dirname "$0")
links=$(mktemp -d --tmpdir zarv-launcher.XXXXXX)
trap 'rm -rf "$links"' EXIT
ln -s "$launcher" "$links/zarv"
"$here/../shell/zarv_ends_on_escape.sh" "$links/zarv" /
