# Sourced: wait_for [--while PID] SECONDS COMMAND [ARGS...]
# Runs COMMAND every tenth of a second until it succeeds, for up to SECONDS.
# Fails when the time is up, and at once when the process PID (a server the
# command waits on) has ended. COMMAND is run anew each time: what it
# checks is read afresh, so a command that captures a value in its
# arguments ("test $(...) != x") tests that value only.
wait_for() {
    local alive=
    if [ "$1" = --while ]; then
        alive=$2
        shift 2
    fi
    local tenths=$(($1 * 10))
    shift
    until "$@"; do
        if [ -n "$alive" ] && ! kill -0 "$alive" 2>/dev/null; then
            return 1
        fi
        tenths=$((tenths - 1))
        [ "$tenths" -gt 0 ] || return 1
        sleep 0.1
    done
}
