# shellcheck shell=bash
# Sourced: what the checks of the Windows game need of the X display it
# plays on (xdotool, xwininfo, xprop, xdpyinfo, wmctrl, ImageMagick), one
# small job each. A window is given by its X id, a rectangle of the screen
# as WIDTHxHEIGHT+X+Y.

# window_named TITLE: the id of a visible window titled exactly TITLE, or
# nothing.
window_named() {
    local pattern
    pattern=$(sed 's/[][\.|$(){}?+*^]/\\&/g' <<<"$1")
    xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n 1
}

# has_window TITLE, has_no_window TITLE: whether such a window is shown.
has_window() {
    [ -n "$(window_named "$1")" ]
}
has_no_window() {
    [ -z "$(window_named "$1")" ]
}

# window_titles: the titles of the visible windows, one a line.
window_titles() {
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r id; do xdotool getwindowname "$id"; done
}

# geometry ID: the window's own rectangle, as "X Y WIDTH HEIGHT".
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}

# frame ID: the frame the window manager puts round the window, as "LEFT
# RIGHT TOP BOTTOM"; nothing while it has put none.
frame() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ','
}
framed() {
    [ -n "$(frame "$1")" ]
}

# screen_size: the screen's "WIDTH HEIGHT".
screen_size() {
    xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}'
}

# press KEY...: presses each key in turn, in the window that has the
# keyboard; press_in ID KEY...: in the window ID, made active first.
press() {
    local key chain=()
    for key; do chain+=(key "$key"); done
    xdotool "${chain[@]}"
}
press_in() {
    local id=$1 key chain=()
    shift
    for key; do chain+=(key "$key"); done
    xdotool windowactivate --sync "$id" "${chain[@]}"
}

# close_window ID: asks the window to close, as the window manager's close
# button does.
close_window() {
    wmctrl -i -c "$1"
}

# shown_digest RECT: a digest of the pixels the screen shows there;
# shown_colours RECT: how many colours it shows there; shown_picture RECT
# FILE: those pixels kept as a picture.
shown_digest() {
    import -window root -crop "$1" +repage rgb:- 2>/dev/null | md5sum
}
shown_colours() {
    import -window root -crop "$1" -format %k info: 2>/dev/null
}
shown_picture() {
    import -window root -crop "$1" +repage "$2"
}
