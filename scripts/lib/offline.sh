# shellcheck shell=bash
# Sourced by the scripts that run emscripten's tools: `offline COMMAND...`
# runs a command with no network when this machine can give it a network
# namespace of its own (as root, or as a user in a user namespace), so that
# nothing can be downloaded behind our back (emscripten's ports would).
# Elsewhere the command runs as it is; `offline_means` says which.

offline_prefix=()
if unshare --net true 2>/dev/null; then
  offline_prefix=(unshare --net --)
elif unshare --map-root-user --net true 2>/dev/null; then
  offline_prefix=(unshare --map-root-user --net --)
fi

offline() { # command...
  "${offline_prefix[@]}" "$@"
}

# How `offline` runs a command here, for a script's log.
offline_means() {
  if [ ${#offline_prefix[@]} -gt 0 ]; then
    echo "without a network (${offline_prefix[*]})"
  else
    echo "with the network (no network namespace here)"
  fi
}
