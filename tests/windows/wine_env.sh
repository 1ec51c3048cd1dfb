# Sourced: the environment of every Windows program the checks run under
# Wine (64-bit, without Mono or Gecko, Wine's own messages left out), the
# making of a prefix and the look it gives its programs.
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

# make_wine_prefix: makes $WINEPREFIX, without a display, and waits until
# Wine has set it up.
make_wine_prefix() {
    DISPLAY= wine wineboot --init >/dev/null 2>&1
    wineserver -w
}

# wine_scheme SCHEME: the look Windows gives programs in $WINEPREFIX: light,
# as Windows 10 has it; dark, Windows 11 with its apps in dark mode; or
# contrast, white on black as a high-contrast theme has it (those colours,
# and no visual styles).
wine_scheme() {
    local reg='HKCU\Control Panel\Colors' colour level
    case "$1" in
    light) ;;
    dark)
        DISPLAY= wine winecfg /v win11 >/dev/null 2>&1
        DISPLAY= wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
            /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null
        ;;
    contrast)
        for colour in Window=0 WindowText=255 ButtonFace=0 ButtonText=255 ButtonHilight=255 ButtonLight=192 \
            ButtonShadow=128 ButtonDkShadow=255 GrayText=192 InfoWindow=0 InfoText=255 Menu=0 MenuText=255; do
            level=${colour#*=}
            DISPLAY= wine reg add "$reg" /v "${colour%=*}" /d "$level $level $level" /f >/dev/null
        done
        DISPLAY= wine reg add "$reg" /v Hilight /d "0 255 255" /f >/dev/null
        DISPLAY= wine reg add "$reg" /v HilightText /d "0 0 0" /f >/dev/null
        DISPLAY= wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null
        ;;
    *)
        echo "wine_scheme: no scheme $1" >&2
        return 1
        ;;
    esac
    wineserver -w
}
