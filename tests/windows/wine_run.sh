#!/usr/bin/env bash
# wine_run.sh PREFIX DLLDIRS PROGRAM [ARGS...]
# Runs a Windows program of the build under Wine, as CTest's emulator: in
# the Wine prefix PREFIX, made on first use (one maker at a time) in the
# look DUPLIMO_WINE_SCHEME names (light by default, wine_env.sh), with the
# DLLs of the :-separated Unix folders DLLDIRS on its path, the caller's Qt
# settings (QT_QPA_PLATFORM...) and, for Qt's platforms that bring no fonts
# of their own (offscreen), Wine's Tahoma and the machine's Liberation
# fonts. Wine's own messages are left out.
set -euo pipefail
prefix=$1 dlldirs=$2
shift 2
export WINEPREFIX=$prefix
source "$(dirname "$0")/wine_env.sh"
path=
IFS=':' read -r -a dirs <<<"$dlldirs"
for dir in "${dirs[@]}"; do
    path+="Z:${dir//\//\\};"
done
export WINEPATH=$path
# Wine keeps the host's QT_ variables from Windows programs, but passes
# them on named WINEQT_. Without a console of Wine's, Qt would write what
# it logs, the tests' results among it, to a debugger.
export QT_QPA_FONTDIR="Z:${prefix//\//\\}\\fonts" QT_FORCE_STDERR_LOGGING=1
for name in $(compgen -e | grep '^QT_'); do
    export "WINE$name=${!name}"
done
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -e "$prefix/.duplimo-ready" ]; then
        rm -rf "$prefix"
        make_wine_prefix
        wine_scheme "${DUPLIMO_WINE_SCHEME:-light}"
        mkdir "$prefix/fonts"
        ln -s /usr/share/wine/fonts/tahoma*.ttf /usr/share/fonts/truetype/liberation/*.ttf "$prefix/fonts"
        touch "$prefix/.duplimo-ready"
    fi
) 9>"$prefix.lock"
exec wine "$@"
