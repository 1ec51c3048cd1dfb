# Sourced: the environment of every Windows program the checks run under
# Wine (64-bit, without Mono or Gecko, Wine's own messages left out), and
# the making of a prefix.
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

# make_wine_prefix: makes $WINEPREFIX, without a display, and waits until
# Wine has set it up.
make_wine_prefix() {
    DISPLAY= wine wineboot --init >/dev/null 2>&1
    wineserver -w
}
