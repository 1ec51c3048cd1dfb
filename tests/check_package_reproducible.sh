#!/usr/bin/env bash
# check_package_reproducible.sh SOURCE_DIR BUILD_DIR PACKAGE_DIR [cmake options...]
# Builds the game and its Debian package a second time and compares them
# byte for byte with BUILD_DIR's binary and PACKAGE_DIR's package. The second
# build starts from a copy of the source tree (its tracked and untracked,
# not ignored, files where it is a git checkout) at another path with other
# file times, in another build folder, with another umask, time zone and
# locale, 400 days ahead on the clock (faketime), and as nobody when run as
# root. The cmake options configure it as the first build was configured.
set -euo pipefail
source=$(cd "$1" && pwd) first=$(cd "$2" && pwd) packages=$3
shift 3
debs=("$packages"/duplimo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package in $packages" >&2; exit 1; }
deb=${debs[0]}

work=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-rebuild.XXXXXX")
# DUPLIMO_KEEP_REBUILD=1 keeps the second build for a closer look.
if [ -n "${DUPLIMO_KEEP_REBUILD:-}" ]; then
    trap 'echo "second build kept in $build" >&2' EXIT
else
    trap 'rm -rf "$work"' EXIT
fi
copy=$work/another/source/tree
build=$work/elsewhere/b
mkdir -p "$copy" "$build" "$work/home" "$work/locale"

# The tree as it is now, uncommitted work included, with files as new as a
# fresh checkout.
"$source/tests/copy_tree.sh" "$source" "$copy"

# The package's time, as cpack finds it for the first build.
epoch=$(cmake -DSOURCE_DIR="$source" -P "$source/cmake/source_date_epoch.cmake")

# Another locale, compiled for this check alone where glibc's sources are installed.
locale=es_ES.UTF-8 locpath=()
if localedef -i es_ES -f UTF-8 "$work/locale/$locale" 2>/dev/null; then
    locpath=(LOCPATH="$work/locale")
fi
# Another umask.
if [ "$(umask)" = 0077 ]; then umask 0002; else umask 0077; fi
# Another user, where there is one to become.
as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$work"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# Another clock.
clock=()
if command -v faketime >/dev/null; then
    clock=(faketime -f +400d)
fi

second() {
    "${as[@]}" env -u SOURCE_DATE_EPOCH HOME="$work/home" TZ=Pacific/Kiritimati \
        LANG=$locale LC_ALL=$locale LANGUAGE=es "${locpath[@]}" "${clock[@]}" "$@"
}
second cmake -S "$copy" -B "$build" "$@" >"$work/log" 2>&1 &&
    second cmake --build "$build" --parallel 2 --target duplimo documentation >>"$work/log" 2>&1 &&
    second env SOURCE_DATE_EPOCH="$epoch" cpack --config "$build/CPackConfig.cmake" -B "$build/package" >>"$work/log" 2>&1 ||
    { cat "$work/log" >&2; echo "FAIL: the second build failed" >&2; exit 1; }

failures=0
compare() {
    cmp -s "$1" "$2" && return
    failures=$((failures + 1))
    echo "FAIL: $1 and $2 differ" >&2
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$1" "$2" | head -n 300 >&2 || true
    fi
}
compare "$first/duplimo" "$build/duplimo"
compare "$deb" "$build/package/$(basename "$deb")"
if ! cmp -s "$deb" "$build/package/$(basename "$deb")"; then
    # Which files of the package differ.
    mkdir "$work/one" "$work/two"
    dpkg-deb -R "$deb" "$work/one"
    dpkg-deb -R "$build/package/$(basename "$deb")" "$work/two"
    diff -rq "$work/one" "$work/two" >&2 || true
    diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$build/package/$(basename "$deb")") >&2 || true
fi
[ "$failures" -eq 0 ] || exit 1
echo "rebuilt elsewhere, otherwise and later: binary and package identical"
