# shellcheck shell=bash
# Sourced by the scripts that need the Debian mirror this machine's own apt
# sources name, so that no host name is ever written into the repository.

# The first URI that this machine's apt sources give for a suite (deb822
# .sources files and one-line .list files alike); nothing when none does.
apt_uri() { # suite
  local suite=$1 files=() f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && files+=("$f")
  done
  [ ${#files[@]} -gt 0 ] || return 0
  awk -v want="$suite" '
    FILENAME ~ /\.sources$/ {
      if ($0 ~ /^[ \t]*$/) { uris = ""; suites = ""; types = ""; next }
      if ($1 == "Types:") types = $0
      if ($1 == "URIs:") uris = $2
      if ($1 == "Suites:") suites = " " substr($0, index($0, ":") + 1) " "
      if (uris != "" && suites != "" && types ~ /[ \t]deb([ \t]|$)/ && index(suites, " " want " ")) {
        print uris; exit
      }
      next
    }
    $1 == "deb" {
      i = 2
      if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
      if ($(i + 1) == want) { print $i; exit }
    }' "${files[@]}"
}
