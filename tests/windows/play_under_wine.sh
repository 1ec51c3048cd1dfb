#!/usr/bin/env bash
# play_under_wine.sh PROGRAM
# Plays the Windows game under Wine with Qt's native windows platform, on
# the X display and window manager it is given (tests/on_display.sh x11):
# the window appears with its caption, as large as on Linux and centred;
# Alt+I deals; Space turns cards and shows the result; a close from the
# window manager asks, No keeps the game, Sí ends it with status 0. Prints
# what it checks; exits 1 at the first failure. DUPLIMO_WINE_DPI names the
# display scaling Wine was given (96 by default); DUPLIMO_SCREENSHOTS=FOLDER
# keeps pictures of the window in a game.
set -uo pipefail
source "$(dirname "$0")/../wait_for.sh"
source "$(dirname "$0")/wine_env.sh"
program=$1
unset QT_QPA_PLATFORM  # the Windows build has its own platform
dpi=${DUPLIMO_WINE_DPI:-96}

fail() {
    echo "play_under_wine.sh: $1" >&2
    echo "windows on the display:" >&2
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r id; do xdotool getwindowname "$id"; done >&2
    exit 1
}

window_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

has_window() {
    [ -n "$(window_named "$1")" ]
}

has_no_window() {
    [ -z "$(window_named "$1")" ]
}

game_ended() {
    ! kill -0 "$game" 2>/dev/null
}

# The window's own rectangle (x y width height) and the frame that the
# window manager puts round it (left right top bottom).
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}
frame() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ','
}

wine "$program" &
game=$!
# Wine's desktop ends before the display does.
trap 'wineserver -k 2>/dev/null' EXIT
wait_for 60 has_window "KAVREL Soluciones - Duplimo" || fail "no window titled 'KAVREL Soluciones - Duplimo'"
main=$(window_named "KAVREL Soluciones - Duplimo")
framed() {
    [ -n "$(frame "$main")" ]
}
wait_for 10 framed || fail "the window manager framed no window"

# 592 by 440 pixels at 96 dpi, and as much more as a display scaling asks.
read -r x y width height < <(geometry "$main")
echo "window: ${width}x${height} at ${x},${y}"
expected_width=$((592 * dpi / 96)) expected_height=$((440 * dpi / 96))
[ "$width" -eq "$expected_width" ] && [ "$height" -eq "$expected_height" ] ||
    fail "the window is ${width}x${height}, not ${expected_width}x${expected_height} as on Linux"

# The frame and all, centred as on Linux: across, to a pixel. Down, Qt
# centres the frame Windows would draw, whose caption grows with the
# display scaling; openbox draws a lower one, so the window sits up to half
# a caption lower.
read -r left right top bottom < <(frame "$main")
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
dx=$(((x - left) + (x + width + right) - screen_width))
dy=$(((y - top) + (y + height + bottom) - screen_height))
echo "frame: $left $right $top $bottom; off centre by $dx/2, $dy/2 pixels"
[ "${dx#-}" -le 2 ] && [ "$dy" -ge -2 ] && [ "$dy" -le $((30 * dpi / 96)) ] ||
    fail "the window is not centred on the ${screen_width}x${screen_height} screen"

# What a card shows now, as a digest of its pixels on the screen, and the
# window as a picture for DUPLIMO_SCREENSHOTS. Card i (0 to 59) stands at
# row i / 10, column i % 10 of the board, in twips as the window lays it
# out, rounded to pixels at the display's dpi.
pixels() { echo $((($1 * dpi + 720) / 1440)); }
card() {
    local left=$((75 + 300 + 825 * ($1 % 10))) top=$((1200 + 300 + 825 * ($1 / 10)))
    local size=$(($(pixels $((left + 700))) - $(pixels $left)))
    echo "${size}x${size}+$((x + $(pixels $left)))+$((y + $(pixels $top)))"
}
shows() {
    import -window root -crop "$(card "$1")" +repage rgb:- 2>/dev/null | md5sum
}
# card_changed I DIGEST: whether card I shows something else than DIGEST.
card_changed() {
    [ "$(shows "$1")" != "$2" ]
}
screenshot() {
    [ -n "${DUPLIMO_SCREENSHOTS:-}" ] || return 0
    import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" +repage \
        "$DUPLIMO_SCREENSHOTS/$1.png"
}

# Drawn: its first card is more than one colour.
drawn() {
    [ "$(import -window root -crop "$(card 0)" -format %k info: 2>/dev/null)" -gt 1 ]
}
wait_for 10 drawn || fail "the window shows no board"

# Alt+I deals, a moment later (an access key clicks after a short
# animation): the board is enabled and the keyboard on its first card,
# which only the deal changes.
before=$(shows 0)
xdotool windowactivate --sync "$main" key alt+i
wait_for 5 card_changed 0 "$before" || fail "Alt+I dealt nothing"
echo "Alt+I: dealt"

# Space turns the card that has the keyboard; Right and Space a second
# one, and the result opens.
before=$(shows 0)
xdotool key space
wait_for 5 card_changed 0 "$before" || fail "Space turned no card"
xdotool key Right key space
wait_for 10 has_window RESULTADO || fail "no result after the second card"
screenshot resultado
xdotool windowactivate --sync "$(window_named RESULTADO)" key Return
wait_for 10 has_no_window RESULTADO || fail "the result stayed open"
before=$(shows 2)
xdotool windowactivate --sync "$main" key Right key space
wait_for 5 card_changed 2 "$before" || fail "Space turned no third card"
screenshot partida
echo "Space, Space: a card turned, a result, Aceptar"

# A close from the window manager asks; No keeps the game.
wmctrl -i -c "$main"
wait_for 10 has_window CONFIRMAR || fail "a close from the window manager asked nothing"
xdotool windowactivate --sync "$(window_named CONFIRMAR)" key Escape
wait_for 10 has_no_window CONFIRMAR || fail "the question stayed open after No"
sleep 1
! game_ended && has_window "KAVREL Soluciones - Duplimo" || fail "No ended the game"
echo "close, No: the game goes on"

# Sí ends it, with status 0.
wmctrl -i -c "$main"
wait_for 10 has_window CONFIRMAR || fail "the second close asked nothing"
xdotool windowactivate --sync "$(window_named CONFIRMAR)" key Return
wait_for 20 game_ended || fail "Sí did not end the game"
wait "$game"
status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "close, Sí: the game ended with status 0"
