#!/usr/bin/env bash
# Sets up what is missing on Debian 12 or 13, builds, then plays or tests.
#   ./go play      build and start the game
#   ./go test      build and run every test
#   ./go package   build the Debian package
#   ./go windows   build the Windows installer
#   ./go web       build the web page and serve it on this machine
# The Windows build and its checks need Debian 13 (its MinGW-w64, Qt and
# Wine); elsewhere they run in a Debian 13 chroot (tests/in_debian.sh).
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing need; packaging and the tests need more.
play_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n qt6-wayland libxcb1-dev fonts-liberation)
package_packages=(dpkg-dev file)
test_packages=(clang doctest-dev qt6-base-private-dev appstream appstream-compose librsvg2-common desktop-file-utils xvfb openbox weston lintian
               faketime locales dbus-daemon dbus-bin at-spi2-core python3-pyatspi accerciser)
# Windows, cross-built, and its tests under Wine.
windows_packages=(g++-mingw-w64-x86-64-posix nsis dpkg-dev)
windows_test_packages=(wine wine64 fonts-wine xvfb openbox xdotool x11-utils wmctrl imagemagick faketime binutils)
windows_release=trixie
# The web page, built with Emscripten, served by Python.
web_packages=(cmake ninja-build emscripten python3)
web_test_packages=(chromium chromium-driver python3-selenium)

# install_missing PACKAGE...: installs with apt-get those not installed yet.
install_missing() {
    local missing=()
    for p in "$@"; do
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

# build_windows DIR TARGET [cmake options...]: cross-builds for Windows
# against Qt for Windows, built once from Debian's source of the host's Qt.
build_windows() {
    local dir=$1 target=$2 qt
    shift 2
    qt=$(win32/build_qt.sh)
    build "$dir" "$target" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" "$@"
}

# installer DIR: the installer that the build in DIR makes, of its version.
installer() {
    echo "$1/Duplimo-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")-setup.exe"
}

# in_windows_release: whether this machine runs the release the Windows
# build needs.
in_windows_release() {
    [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = "$windows_release" ]
}

# in_chroot [--bring-back PATTERN] CMD...: CMD in a chroot of that release, as root.
in_chroot() {
    local as=()
    [ "$(id -u)" -eq 0 ] || as=(sudo)
    local bring=()
    if [ "$1" = --bring-back ]; then
        bring=("$1" "$2")
        shift 2
    fi
    "${as[@]}" tests/in_debian.sh "${bring[@]}" "$windows_release" "$@"
}

# test_windows: the Qt-only tests under Wine; the installer made twice to
# the same bytes, then installed, played, heard through UI Automation and
# uninstalled under Wine.
test_windows() {
    install_missing "${play_packages[@]}" "${windows_packages[@]}" "${windows_test_packages[@]}"
    build_windows build-windows-tests all -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build-windows-tests --output-on-failure -j2
    build_windows build-windows installer -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    local setup
    setup=$(installer build-windows)
    tests/windows/check_installer_reproducible.sh . "$setup" "$(win32/build_qt.sh)" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    tests/windows/check_installer.sh "$setup" build-windows-tests/uia_probe.exe
}

# test_linux: the suite here, with the sanitizers and Clang, and the game
# built without X11 and without its tests.
test_linux() {
    install_missing "${play_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
    # The suite offscreen, the window and gameplay tests on Xvfb with openbox
    # and on headless weston, and the Debian package with its checks.
    build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUPLIMO_DISPLAY_TESTS=ON -DDUPLIMO_PACKAGE_TEST=ON
    ctest --test-dir build --output-on-failure -j2
    # The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer
    # and LeakSanitizer, the soaks included.
    build build-sanitize all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUPLIMO_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
        ctest --test-dir build-sanitize --output-on-failure -j2
    # The game as built where there is no X11, and as a packager builds it,
    # without the tests: pkg-config finds no xcb, the program neither
    # includes an xcb header nor links an X11 library, and no test is built.
    nowhere=$(mktemp -d)
    PKG_CONFIG_LIBDIR=$nowhere PKG_CONFIG_PATH='' build build-nox11 all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    rmdir "$nowhere"
    if ninja -C build-nox11 -t deps | grep -E '/(xcb|X11)/' || readelf -d build-nox11/duplimo | grep -E 'NEEDED.*lib(xcb|X11)'; then
        echo "The build without X11 uses X11." >&2
        exit 1
    fi
    if ninja -C build-nox11 -t targets all | grep -E '^(tests|bench)/'; then
        echo "The build without tests builds tests." >&2
        exit 1
    fi
    # Everything again with Clang, its warnings as errors, and the suite but
    # the Qt soak; with the checked libc calls at level 3, as toolchains that
    # set it themselves have them, so that the build must not set them again.
    build build-clang all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=3
    ctest --test-dir build-clang --output-on-failure -j2 -E '^tst_soak$'
}

# test_web: the logic's tests and the soak built with Emscripten and run
# by node, the site played and checked in headless Chromium, and the site
# made twice to the same bytes.
test_web() {
    install_missing "${web_packages[@]}" "${web_test_packages[@]}"
    command -v npm >/dev/null || install_missing npm
    # axe-core, as tests/web/package-lock.json pins it.
    npm ci --prefix tests/web --ignore-scripts --no-audit --no-fund
    emcmake cmake -S . -B build-web-tests -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-web-tests
    ctest --test-dir build-web-tests --output-on-failure -j2
    # The site made again elsewhere, at another time, to the same bytes.
    tests/web/check_site_reproducible.sh .
}

case "${1:-}" in
play)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
        echo "Duplimo necesita una pantalla gráfica: no hay ninguna (DISPLAY no está definida)." >&2
        exit 1
    fi
    install_missing "${play_packages[@]}"
    build build-release duplimo -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    exec build-release/duplimo
    ;;
test)
    # DUPLIMO_WINDOWS=no leaves out the Windows part, =only does it alone.
    if [ "${DUPLIMO_WINDOWS:-yes}" != only ]; then
        test_linux
        test_web
    fi
    if [ "${DUPLIMO_WINDOWS:-yes}" != no ]; then
        if in_windows_release; then
            test_windows
        else
            in_chroot env DUPLIMO_WINDOWS=only ./go test
        fi
    fi
    ;;
package)
    install_missing "${play_packages[@]}" "${package_packages[@]}"
    build build-release duplimo -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build build-release --target documentation
    cpack --config build-release/CPackConfig.cmake -B build-release
    ;;
windows)
    if ! in_windows_release; then
        in_chroot --bring-back 'build-windows/*-setup.exe' ./go windows
        exit
    fi
    install_missing "${play_packages[@]}" "${windows_packages[@]}"
    build_windows build-windows installer -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    installer build-windows
    ;;
web)
    install_missing "${web_packages[@]}"
    emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-web --target site
    port=${DUPLIMO_PORT:-8000}
    echo "Duplimo: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
    ;;
*)
    echo "usage: $0 play|test|package|windows|web" >&2
    exit 2
    ;;
esac
