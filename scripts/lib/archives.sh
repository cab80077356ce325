# shellcheck shell=bash
# Sourced by the scripts that pack release files: archives whose bytes depend
# only on what they hold. Every entry gets the same time (the release's, see
# release_epoch), owner 0 and plain permissions (files 644, programs 755,
# folders 755), and the entries go in by name.

# Sets the times and permissions of everything under a folder.
normalise_tree() { # folder epoch
  find "$1" -type d -exec chmod 755 {} +
  find "$1" -type f -perm /111 -exec chmod 755 {} +
  find "$1" -type f ! -perm /111 -exec chmod 644 {} +
  find "$1" -exec touch -h -d "@$2" {} +
}

# FILE.tar.gz of the entries under FOLDER; gzip leaves out its own name and time.
pack_tar_gz() { # file folder epoch entry...
  local file=$1 folder=$2 epoch=$3
  shift 3
  normalise_tree "$folder" "$epoch"
  tar -C "$folder" --format=gnu --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
    -cf - "$@" | gzip -9 -n >"$file"
}

# FILE.zip of the entries under FOLDER: files only (no folder entries), in
# name order, without the extra fields that carry owners and further times
# (-X). Zip stores local time: UTC is used.
pack_zip() { # file folder epoch entry...
  local file=$1 folder=$2 epoch=$3
  shift 3
  normalise_tree "$folder" "$epoch"
  rm -f "$file"
  (cd "$folder" && find "$@" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D "$file" -@)
}
