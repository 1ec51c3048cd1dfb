#!/usr/bin/env bash
# check_installer.sh SETUP.EXE PROBE.EXE
# Installs the game silently (/S) into a throw-away Wine prefix, checks what
# it put in place (files, Start-menu shortcut, Apps and Features entry),
# plays and hears it on a private Xvfb with openbox (play_under_wine.sh,
# with the UI Automation probe PROBE.EXE), uninstalls it silently and
# checks that nothing is left. Exits 1 at the first failure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
setup=$(realpath "$1") probe=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-wine.XXXXXX")
export WINEPREFIX=$work/prefix
source "$here/wine_env.sh"
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "check_installer.sh: $1" >&2
    exit 1
}

make_wine_prefix
# Windows' dialog fonts are Wine's own (fonts-wine).
# DUPLIMO_WINE_DPI=144 (or 120, 192) plays at that display scaling.
if [ -n "${DUPLIMO_WINE_DPI:-}" ]; then
    DISPLAY= wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DUPLIMO_WINE_DPI" /f >/dev/null
fi
# DUPLIMO_WINE_SCHEME=dark (or contrast) plays in that look (wine_env.sh).
wine_scheme "${DUPLIMO_WINE_SCHEME:-light}"
wineserver -w
DISPLAY= wine "$setup" /S
wineserver -w

folder="$WINEPREFIX/drive_c/Program Files/Duplimo"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Duplimo.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Duplimo'
for file in duplimo.exe desinstalar.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    styles/qmodernwindowsstyle.dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll \
    licencias/duplimo.txt licencias/terceros.txt licencias/LGPL-3.0.txt; do
    [ -f "$folder/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
# It starts the game in its own folder.
strings -el "$shortcut" | grep -Fxq 'C:\Program Files\Duplimo' || fail "the shortcut starts elsewhere than in C:\Program Files\Duplimo"
entry=$(DISPLAY= wine reg query "$key" | tr -d '\r')
echo "$entry"
for value in 'DisplayName +REG_SZ +Duplimo$' 'Publisher +REG_SZ +KAVREL Soluciones$' 'DisplayVersion +REG_SZ +[0-9.]+$' \
    'DisplayIcon +REG_SZ +.*duplimo.exe,0$' 'UninstallString +REG_SZ +".*desinstalar.exe"$' 'EstimatedSize +REG_DWORD +0x'; do
    grep -Eq "^ +$value" <<<"$entry" || fail "Apps and Features lacks $value"
done

# Wine's session so far had no display; the game starts one that has.
wineserver -k 2>/dev/null || true
"$here/../on_display.sh" x11 "$here/play_under_wine.sh" "$folder/duplimo.exe" "$probe"

DISPLAY= wine "$folder/desinstalar.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . -mindepth 1 | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left behind"
! DISPLAY= wine reg query "$key" >/dev/null 2>&1 || fail "the Apps and Features entry is left behind"
echo "check_installer.sh: installed, played and uninstalled, nothing left"
