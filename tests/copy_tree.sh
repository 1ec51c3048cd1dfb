#!/usr/bin/env bash
# copy_tree.sh SOURCE DEST
# Copies the source tree as it stands, uncommitted work included, into DEST:
# in a git checkout its tracked and untracked, not ignored, files; elsewhere
# everything but .git and build folders. The copies are as new as a fresh
# checkout's files.
set -euo pipefail
source=$1 dest=$2
mkdir -p "$dest"
if prefix=$(git -C "$source" rev-parse --show-prefix 2>/dev/null) && [ -z "$prefix" ]; then
    (cd "$source" && git ls-files -co --exclude-standard -z |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
        tar --null --no-recursion -T - -cf -)
else
    tar -C "$source" --exclude=./.git --exclude='./build*' -cf - .
fi | tar -C "$dest" -xmf -
