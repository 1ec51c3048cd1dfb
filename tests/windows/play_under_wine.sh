#!/usr/bin/env bash
# play_under_wine.sh PROGRAM PROBE
# Plays the Windows game under Wine with Qt's native windows platform, on
# the X display and window manager it is given (tests/on_display.sh x11),
# and hears it as a Windows screen reader does, through UI Automation from
# another process (PROBE, uia_probe.exe):
# - the window appears with its caption, as large as on Linux and centred;
# - by keyboard alone (Alt+I, Right, Space, Right, Space, Return on the
#   result, Alt+T twice, Alt+L, Escape) it deals, turns two cards, shows
#   the result, pauses, resumes and asks before it closes;
# - the tree of the window at rest, with a card turned, and of both boxes
#   is as uia_trees.txt has it: every control named, as a sighted player
#   reads it, the access keys as Windows writes them, a box's text a child
#   of the box, nothing face down told and nothing unnamed on show;
# - the focus moves through what a sighted player's eye follows, in order;
# - what the game announces (Wine writes each notification to its log);
# - a close from the window manager asks, No keeps the game, Sí ends it
#   with status 0.
# The caption, size and cards' places are the game's own: window/layout.cpp
# as window_layout.cpp, built here with the host's c++, prints it.
# Prints what it checks; exits 1 at the first failure. DUPLIMO_WINE_DPI
# names the display scaling Wine was given (96 by default);
# DUPLIMO_SCREENSHOTS=FOLDER keeps pictures of the window in a game.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$here/../..
source "$here/../wait_for.sh"
source "$here/wine_env.sh"
source "$here/x11.sh"
source "$here/uia.sh"
program=$1 probe=$2
unset QT_QPA_PLATFORM  # the Windows build has its own platform
dpi=${DUPLIMO_WINE_DPI:-96}
work=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-play.XXXXXX")
listener=
# Wine's desktop ends before the display does.
trap '[ -z "$listener" ] || kill "$listener" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
# The names of the cards' pictures, one a line.
pictures=$(sed -n 's/^u"\(.*\)",$/\1/p' "$root/window/pictures/card_names.inc")

fail() {
    echo "play_under_wine.sh: $1" >&2
    echo "windows on the display:" >&2
    window_titles >&2
    exit 1
}
game_ended() {
    ! kill -0 "$game" 2>/dev/null
}
is_picture() {
    grep -Fxq -- "$1" <<<"$pictures"
}

# The window as the game describes it: caption, client size and every
# control's place, in twips.
layout=$work/layout.txt
if ! c++ -std=c++20 -I "$root" "$root/window/layout.cpp" "$root/toolkit/convert.cpp" "$root/toolkit/error.cpp" \
    "$here/window_layout.cpp" -o "$work/window_layout" ||
    ! "$work/window_layout" >"$layout"; then
    fail "window_layout described no window"
fi
title=$(sed -n 's/^caption //p' "$layout")
read -r client_width client_height < <(sed -n 's/^client //p' "$layout")

tree() {  # tree TITLE: uia_tree with this PROBE
    uia_tree "$probe" "$1"
}
# same WHAT EXPECTED ACTUAL: fails, showing both, unless they are the same.
same() {
    [ "$2" = "$3" ] && return
    diff <(echo "$2") <(echo "$3") >&2
    fail "$1 is not as a player reads it"
}

# Focus changes from the start, as a screen reader hears them.
focus_log=$work/focus.txt
wine "$probe" focus "$(winepath -w "$focus_log")" &
listener=$!
listening() {
    grep -q '^# listening' "$focus_log" 2>/dev/null
}
wait_for 30 listening || fail "no UI Automation client listens"

# Wine writes every notification the game raises to its log.
WINEDEBUG=-all,fixme+uiautomation wine "$program" 2>"$work/game.log" &
game=$!
wait_for 60 has_window "$title" || fail "no window titled '$title'"
main=$(window_named "$title")
wait_for 10 framed "$main" || fail "the window manager framed no window"

# Its client size at the display's dpi (1440 twips an inch).
read -r x y width height < <(geometry "$main")
echo "window: ${width}x${height} at ${x},${y}"
expected_width=$((client_width * dpi / 1440)) expected_height=$((client_height * dpi / 1440))
[ "$width" -eq "$expected_width" ] && [ "$height" -eq "$expected_height" ] ||
    fail "the window is ${width}x${height}, not ${expected_width}x${expected_height} as on Linux"

# The frame and all, centred as on Linux: across, to a pixel. Down, Qt
# centres the frame Windows would draw, whose caption grows with the
# display scaling; openbox draws a lower one, so the window sits up to half
# a caption lower.
read -r left right top bottom < <(frame "$main")
read -r screen_width screen_height < <(screen_size)
dx=$(((x - left) + (x + width + right) - screen_width))
dy=$(((y - top) + (y + height + bottom) - screen_height))
echo "frame: $left $right $top $bottom; off centre by $dx/2, $dy/2 pixels"
[ "${dx#-}" -le 2 ] && [ "$dy" -ge -2 ] && [ "$dy" -le $((30 * dpi / 96)) ] ||
    fail "the window is not centred on the ${screen_width}x${screen_height} screen"

# card I: where card I (from 0) is on the screen, the place of its back
# rounded to pixels at the display's dpi.
pixels() { echo $((($1 * dpi + 720) / 1440)); }
card() {
    local left top size
    read -r left top size < <(awk -v i="$1" '$1 == "control" && $2 == "btnsuperior" && $3 == i {print $4, $5, $6}' "$layout")
    size=$(($(pixels $((left + size))) - $(pixels "$left")))
    echo "${size}x${size}+$((x + $(pixels "$left")))+$((y + $(pixels "$top")))"
}
# What card I shows now, as a digest of its pixels; card_changed I DIGEST:
# whether it shows something else than DIGEST.
shows() {
    shown_digest "$(card "$1")"
}
card_changed() {
    [ "$(shows "$1")" != "$2" ]
}
# screenshot NAME: the window, frame and all, as NAME.png in
# DUPLIMO_SCREENSHOTS.
screenshot() {
    [ -n "${DUPLIMO_SCREENSHOTS:-}" ] || return 0
    shown_picture "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
        "$DUPLIMO_SCREENSHOTS/$1.png"
}

# Drawn: its first card is more than one colour.
drawn() {
    [ "$(shown_colours "$(card 0)")" -gt 1 ]
}
wait_for 10 drawn || fail "the window shows no board"

same "the window at rest" "$(expected_tree 'at rest' TITLE="$title")" "$(tree "$title")"
echo "at rest: every control named, access keys Alt+I, Alt+L, Alt+T"

# Alt+I deals, a moment later (an access key clicks after a short
# animation): the board is enabled and the keyboard on its first card,
# which only the deal changes.
before=$(shows 0)
press_in "$main" alt+i
wait_for 5 card_changed 0 "$before" || fail "Alt+I dealt nothing"
echo "Alt+I: dealt"

# Right and Space turn the second card: named by its picture, the only
# one told.
before=$(shows 1)
press Right space
wait_for 5 card_changed 1 "$before" || fail "Space turned no card"
turned=$(tree "$title")
first=$(sed -n '4s/^    Button "\(.*\)" focused$/\1/p' <<<"$turned")
is_picture "$first" || fail "the turned card is told as '$(sed -n 4p <<<"$turned")', not by its picture"
same "the window with a card turned" "$(expected_tree 'a card turned' TITLE="$title" CARD="$first")" "$turned"
echo "a card turned: told as '$first', the 59 others as their places"

# Right and Space turn the third: the result, its text a child of its own.
press Right space
wait_for 10 has_window RESULTADO || fail "no result after the second card"
result=$(tree RESULTADO)
said=$(sed -n '3s/^  Text "\(.*\)"$/\1/p' <<<"$result")
[ "$said" = Correcto ] || [ "$said" = Incorrecto ] || fail "the result tells no Correcto or Incorrecto"
same "the result" "$(expected_tree 'the result' SAID="$said")" "$result"
screenshot resultado
echo "the result: '$said', its text a child"
before=$(shows 2)
press_in "$(window_named RESULTADO)" Return
wait_for 10 has_no_window RESULTADO || fail "the result stayed open"
wait_for 5 card_changed 2 "$before" || fail "Aceptar left the third card turned"
screenshot partida

# Alt+T pauses and continues, a moment after each key: Detener is named
# Continuar, then Detener again.
names_button() {  # names_button NAME: the window shows a button of that name
    tree "$title" | grep -q "^    Button \"$1\""
}
press_in "$main" alt+t
wait_for 5 names_button Continuar || fail "Alt+T paused nothing"
press alt+t
wait_for 5 names_button Detener || fail "Alt+T continued nothing"
echo "Alt+T, Alt+T: paused and continued"

# The focus, as the keys moved it so far: what the eye follows. The window,
# or a box, itself named as it gets or loses the keyboard (a Window, or, as
# a box closes, at times a Custom element), and the same control told
# again, are left out: Wine tells them as Windows does, when a window is
# activated.
followed() {
    followed_focus "$focus_log" "$title" RESULTADO CONFIRMAR
}

# Alt+L asks, its question a child of the box; Escape answers No.
press alt+l
wait_for 10 has_window CONFIRMAR || fail "Alt+L asked nothing"
same "the close question" "$(expected_tree 'the close question')" "$(tree CONFIRMAR)"
press_in "$(window_named CONFIRMAR)" Escape
wait_for 10 has_no_window CONFIRMAR || fail "the question stayed open after No"
back_on_detener() {
    [ "$(followed | tail -n 1)" = 'Button "Detener"' ]
}
wait_for 5 back_on_detener || fail "after No the keyboard is not back on Detener: $(tr -d "\r" <"$focus_log" | paste -sd ",")"
echo "Alt+L, Escape: the question, No"

focus=$(followed)
echo "focus: $(paste -sd ',' <<<"$focus")"
second=$(sed -n '6s/^Button "\(.*\)"$/\1/p' <<<"$focus")
is_picture "$second" || fail "the second card turned is told as '$(sed -n 6p <<<"$focus")'"
# After the result the keyboard stays on the third card's cell, face down
# again, or, the pair found, goes on to the next card.
if [ "$said" = Correcto ]; then next="Carta 4"; else next="Carta 3"; fi
same "the focus through the game" "$(printf 'Button "%s"\n' Iniciar "Carta 1" "Carta 2" "$first" "Carta 3" "$second" Aceptar \
    "$next" Continuar Sí Detener)" "$focus"

# What the game announced: the card turned as the result opens, the new
# score as it closes, and Detener once the game goes on.
# Wine writes a character beyond ASCII as \ and four hex digits.
announced=$(sed -n 's/.*UiaRaiseNotificationEvent ([^,]*, [0-9]*, [0-9]*, L"\(.*\)", L"[^"]*").*/\1/p' "$work/game.log" |
    perl -CS -pe 's/\\([0-9a-f]{4})/chr(hex($1))/ge')
if [ "$said" = Correcto ]; then score="Acertados 1"; else score="Fallados 1"; fi
same "what the game announced ($(grep -h UiaRaiseNotificationEvent "$work/game.log" | paste -sd ' '))" \
    "$(printf '%s\n' "$second" "$score" Detener)" "$announced"
echo "announced: $(paste -sd ',' <<<"$announced")"
kill "$listener" 2>/dev/null

# A close from the window manager asks; No keeps the game.
close_window "$main"
wait_for 10 has_window CONFIRMAR || fail "a close from the window manager asked nothing"
press_in "$(window_named CONFIRMAR)" Escape
wait_for 10 has_no_window CONFIRMAR || fail "the question stayed open after No"
sleep 1
! game_ended && has_window "$title" || fail "No ended the game"
echo "close, No: the game goes on"

# Sí ends it, with status 0.
close_window "$main"
wait_for 10 has_window CONFIRMAR || fail "the second close asked nothing"
press_in "$(window_named CONFIRMAR)" Return
wait_for 20 game_ended || fail "Sí did not end the game"
wait "$game"
status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "close, Sí: the game ended with status 0"
