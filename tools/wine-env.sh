# Sourced by the scripts that run Marvix under Wine: a 32-bit prefix, no debug chatter, and no
# offer to install Mono or Gecko, which the clock never needs.
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# start_virtual_display DIR: starts Xvfb on a free display, records its pid in DIR/xvfb.pid and
# exports DISPLAY. Xvfb itself picks the number and reports it once it accepts clients.
start_virtual_display() {
    local dir=$1
    mkdir -p "$dir"
    rm -f "$dir/display.num"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display.num" >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$dir/display.num" ] && break
        sleep 0.1
    done
    [ -s "$dir/display.num" ] || { echo "Xvfb did not start; see $dir/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$dir/display.num")"
}

stop_virtual_display() {
    local dir=$1
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
}

# ensure_wine_prefix: creates $WINEPREFIX unless it is there already (a few seconds, once).
ensure_wine_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
}
