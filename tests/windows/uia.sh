# shellcheck shell=bash
# Sourced: what the checks of the Windows game hear of it through UI
# Automation from another process (uia_probe.exe, run under Wine), and what
# they expect to hear (uia_trees.txt).

# uia_tree PROBE TITLE: the window titled TITLE as UI Automation shows it,
# whether it has the focus left out.
uia_tree() {
    wine "$1" tree "$2" 2>/dev/null | tr -d '\r' | sed 's/^\(Window "[^"]*"\) focused/\1/'
}

# expected_tree TREE [NAME=VALUE...]: the tree headed [TREE] in
# uia_trees.txt, each @NAME@ in it replaced by VALUE.
expected_tree() {
    local text pair
    text=$(awk -v tree="[$1]" '/^\[/ {on = $0 == tree; next} on && !/^(#|$)/' "$(dirname "${BASH_SOURCE[0]}")/uia_trees.txt")
    shift
    for pair; do text=${text//"@${pair%%=*}@"/"${pair#*=}"}; done
    echo "$text"
}

# followed_focus LOG TITLE...: the focus changes that "uia_probe.exe focus"
# wrote to LOG, but those to an element named one of the TITLEs (a window,
# or a box, named as it gets or loses the keyboard) and the same element
# told again.
followed_focus() {
    local log=$1
    shift
    tr -d '\r' <"$log" | awk 'BEGIN {for (i = 1; i < ARGC; i++) left_out["\"" ARGV[i] "\""]; ARGC = 1}
        /^#/ {next}
        {name = $0; sub(/^[A-Za-z]* /, "", name)}
        !(name in left_out)' "$@" | uniq
}
