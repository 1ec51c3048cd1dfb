#!/usr/bin/env bash
# build_qt.sh: builds Qt for 64-bit Windows from Debian's own source of the
# Qt the machine has, with Debian's MinGW-w64, once, and prints where it is.
# Only what the game and its tests use: Core, Gui, Widgets and Test, the
# Windows and offscreen platforms and the Windows styles, accessibility in.
#
# Kept in a cache folder of the user's own, $DUPLIMO_CACHE (by default
# /var/tmp/duplimo-cache-UID), keyed by Qt's version, the options, the
# compiler's and MinGW-w64's versions, the toolchain file and this script.
# The installer ships what is in it, so it is used only while the user
# building owns it and nobody else can write to it or anything in it; two
# builds take turns under a lock. Built aside and moved into place whole,
# so that a build cut short is never taken for Qt. Without a deb-src entry
# in apt's sources, it derives one from the machine's own (as root, or
# with sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../cmake/mingw-w64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler=x86_64-w64-mingw32-g++-posix

fail() {
    echo "build_qt.sh: $1" >&2
    exit 1
}

# Qt's options, one a line in qt_options.txt (the installer ships the list,
# for whoever relinks Qt): what the game does not use is left out, the
# copies of the MIME database and of md4c, the PDF writer among it. Debian's
# source lacks the tablet API's header (src/3rdparty/wintab); OpenGL is left
# out as an input as well as a feature, as Qt's Windows platform asks.
mapfile -t options <"$here/qt_options.txt"
key=$( (printf '%s\n' "${options[@]}"
        "$compiler" --version | head -n 1
        dpkg-query -W -f='${Version}\n' mingw-w64-x86-64-dev
        cat "$toolchain" "$0") | sha256sum | cut -c1-12)

# The cache: a folder of the user's own that only they can write to.
uid=$(id -u)
cache=${DUPLIMO_CACHE:-/var/tmp/duplimo-cache-$uid}
[ -e "$cache" ] || mkdir -m 0700 "$cache"
safe() {  # safe PATH: a real folder of the user's, nobody else can write to it
    [ -d "$1" ] && [ ! -L "$1" ] && [ "$(stat -c %u "$1")" = "$uid" ] && [ $((0$(stat -c %a "$1") & 022)) -eq 0 ]
}
safe "$cache" || fail "$cache is not a folder of this user's that only this user can write to; remove it, or set DUPLIMO_CACHE"
exec 9>"$cache/lock"
flock 9

prefix=$cache/qt-windows-$version-$key
if [ -e "$prefix/.duplimo-ready" ]; then
    safe "$prefix" || fail "$prefix is not a folder of this user's that only this user can write to"
    [ -z "$(find "$prefix" \( ! -user "$uid" -o -perm /022 \) -print -quit)" ] ||
        fail "$prefix holds files that are not this user's, or that others can write to"
    echo "$prefix"
    exit 0
fi

# Debian's source of the host's Qt, as Debian patched it.
echo "build_qt.sh: building Qt $version for Windows into $prefix (half an hour on two cores)" >&2
sudo=()
[ "$uid" -eq 0 ] || sudo=(sudo)
work=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
if ! (cd "$work" && apt-get source --download-only "qt6-base=$version" >/dev/null 2>&1); then
    # No deb-src entry: the machine's own sources, for source packages.
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -e "$list" ] || continue
        grep -q '^Types:.*deb-src' "$list" && continue
        sed 's/^Types: deb$/Types: deb-src/' "$list" | "${sudo[@]}" tee "/etc/apt/sources.list.d/duplimo-src-$(basename "$list")" >/dev/null
    done
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$list" ] || continue
        sed -n 's/^deb /deb-src /p' "$list" | "${sudo[@]}" tee -a /etc/apt/sources.list.d/duplimo-src.list >/dev/null
    done
    "${sudo[@]}" apt-get update >/dev/null
    (cd "$work" && apt-get source --download-only "qt6-base=$version" >/dev/null)
fi
(cd "$work" && dpkg-source --no-check -x ./*.dsc source >/dev/null)
# The libraries' headers carry the source's date, not the build's.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/source/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH

cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { grep -B2 -A20 -m1 'FAILED' "$work/build.log" >&2; exit 1; }
DESTDIR="$work/installed" cmake --install "$work/build" >/dev/null
chmod -R go-w "$work/installed$prefix"
touch "$work/installed$prefix/.duplimo-ready"
rm -rf "$prefix.new" "$prefix"
mv "$work/installed$prefix" "$prefix.new"
mv "$prefix.new" "$prefix"
echo "$prefix"
