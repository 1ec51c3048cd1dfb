#!/usr/bin/env bash
# Sets up what is missing on Debian 12, builds, then plays or tests.
#   ./go play   build and start the game
#   ./go test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev fonts-liberation appstream desktop-file-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# build DIR [TARGET] [cmake options...]
build() {
    local dir=$1 target=$2; shift 2
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --target "$target"
}

case "${1:-}" in
play)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
        echo "Duplimo necesita una pantalla gráfica: no hay ninguna (DISPLAY no está definida)." >&2
        exit 1
    fi
    install_missing
    build build-release duplimo -DCMAKE_BUILD_TYPE=Release
    exec build-release/duplimo
    ;;
test)
    install_missing
    build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j2
    # The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer
    # and LeakSanitizer, with a shorter soak.
    build build-sanitize all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUPLIMO_SANITIZE=ON -DDUPLIMO_SOAK_SEQUENCES=200
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
        ctest --test-dir build-sanitize --output-on-failure -j2
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
