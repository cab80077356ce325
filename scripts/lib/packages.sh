# shellcheck shell=bash
# Sourced by the scripts that install Debian packages: which of a list are
# missing, and installing them without prompts (as root, or through sudo).

# Prints each package of the list that is not installed, one a line.
missing_packages() { # package...
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# Runs apt-get update, then installs the packages; dpkg's progress goes to
# LOG, whose end is shown when the install fails. Fails with one line on
# stderr, which the caller follows with its own.
install_packages() { # log package...
  local log=$1 sudo=""
  shift
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
      echo "not root and no sudo to install $*" >&2
      return 1
    }
    sudo=sudo
  fi
  echo "Installing: $*"
  $sudo apt-get update -qq || {
    echo "apt-get update failed" >&2
    return 1
  }
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" \
    >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    echo "apt-get install failed (whole log: $log)" >&2
    return 1
  fi
}
