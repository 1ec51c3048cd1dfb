#!/usr/bin/env bash
# check_site_reproducible.sh SOURCE_DIR [cmake options...]
# Builds the web site twice and compares the two site/ folders byte for
# byte: once from SOURCE_DIR, once from a copy of it (tracked and untracked,
# not ignored, files where it is a git checkout) at another path with other
# file times, each in a build folder of its own at another depth, the second
# with another umask, time zone and locale and 400 days ahead on the clock
# (faketime). Options go to both configurations; the default is a Release
# build without the tests, as ./go web builds it.
set -euo pipefail
source=$(cd "$1" && pwd)
shift
options=("$@")
[ ${#options[@]} -gt 0 ] || options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF)

work=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-site.XXXXXX")
# DUPLIMO_KEEP_REBUILD=1 keeps both builds for a closer look.
if [ -n "${DUPLIMO_KEEP_REBUILD:-}" ]; then
    trap 'echo "builds kept in $work" >&2' EXIT
else
    trap 'rm -rf "$work"' EXIT
fi
first=$work/b
copy=$work/another/source/tree
second=$work/elsewhere/and/deeper/build
mkdir -p "$copy" "$second"
"$source/tests/copy_tree.sh" "$source" "$copy"

# build SOURCE BUILD [env...]: the site of SOURCE in BUILD, its log in BUILD.log.
build() {
    local from=$1 to=$2
    shift 2
    { env "$@" emcmake cmake -S "$from" -B "$to" -G Ninja "${options[@]}" &&
        env "$@" cmake --build "$to" --target site; } >"$to.log" 2>&1 ||
        { cat "$to.log" >&2; echo "FAIL: the build in $to failed" >&2; exit 1; }
}

build "$source" "$first"
clock=()
if command -v faketime >/dev/null; then
    clock=(faketime -f +400d)
fi
(
    if [ "$(umask)" = 0077 ]; then umask 0002; else umask 0077; fi
    build "$copy" "$second" -u SOURCE_DATE_EPOCH TZ=Pacific/Kiritimati LANG=C.UTF-8 LC_ALL=C.UTF-8 "${clock[@]}"
)

if ! diff -r "$first/site" "$second/site" >"$work/diff" 2>&1; then
    cat "$work/diff" >&2
    # Where the binaries differ, and the strings around.
    for file in $(diff -rq "$first/site" "$second/site" | sed -n 's/^Files \(.*\) and .* differ$/\1/p'); do
        other=$second/site/${file#"$first/site/"}
        echo "$file: $(cmp -l "$file" "$other" | wc -l) bytes differ, the first at $(cmp "$file" "$other" | sed 's/.*differ: //')" >&2
        diff <(strings -n 8 "$file") <(strings -n 8 "$other") | head -n 20 >&2 || true
    done
    echo "FAIL: the site built twice differs" >&2
    exit 1
fi
echo "built twice, elsewhere, otherwise and later: the site ($(find "$first/site" -type f | wc -l) files) is identical"
