#!/usr/bin/env bash
# check_installer_reproducible.sh SOURCE_DIR SETUP.EXE QT [cmake options...]
# Makes the Windows installer a second time and compares it byte for byte
# with SETUP.EXE: from a copy of the source tree at another path with other
# file times, in another build folder, with another umask and time zone, 400
# days ahead on the clock (faketime). QT is Qt for Windows; the cmake
# options configure the second build as the first was configured.
set -euo pipefail
source=$(cd "$1" && pwd) first=$(realpath "$2") qt=$3
shift 3
work=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-rebuild-windows.XXXXXX")
trap 'rm -rf "$work"' EXIT
copy=$work/another/source/tree build=$work/elsewhere/b
"$source/tests/copy_tree.sh" "$source" "$copy"
if [ "$(umask)" = 0077 ]; then umask 0002; else umask 0077; fi
clock=()
if command -v faketime >/dev/null; then
    clock=(faketime -f +400d)
fi
second() {
    env TZ=Pacific/Kiritimati "${clock[@]}" "$@"
}
second cmake -S "$copy" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$copy/cmake/mingw-w64.cmake" "$@" >"$work/log" 2>&1 &&
    second cmake --build "$build" --target installer >>"$work/log" 2>&1 ||
    { cat "$work/log" >&2; echo "FAIL: the second build failed" >&2; exit 1; }
again=$build/$(basename "$first")
if ! cmp -s "$first" "$again"; then
    echo "FAIL: $first and $again differ" >&2
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$first" "$again" | head -n 200 >&2 || true
    fi
    exit 1
fi
echo "check_installer_reproducible.sh: the installer is the same, byte for byte"
