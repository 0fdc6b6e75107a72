# Sourced by the scripts that run Marvix under Wine: the prefix's architecture, no debug chatter,
# and no offer to install Mono or Gecko, which the clock never needs.
#
# Wine runs a 32-bit Windows program as a 32-bit Linux process. Some machines run 64-bit code
# only (a virtual machine whose host turned IA-32 emulation off: the kernel refuses every 32-bit
# executable). There the Win32 programs and tests are built for 64-bit Windows (the win64 preset,
# from the same sources) and run under 64-bit Wine; tools/ensure-deps.sh installs what that needs.
# MARVIX_WIN_PRESET names the build to use.
wine_shims=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64
if /lib/ld-linux.so.2 --version >/dev/null 2>&1 || ! [ -x /usr/lib/wine/wine64 ]; then
    export WINEARCH=win32 MARVIX_WIN_PRESET=win32
else
    export WINEARCH=win64 MARVIX_WIN_PRESET=win64
    # Debian's wine script takes the 32-bit loader whenever it is installed.
    case ":$PATH:" in *":$wine_shims:"*) ;; *) export PATH="$wine_shims:$PATH" ;; esac
fi

# The gallery's clocks as this build has always drawn them (see tools/check-gallery-pixels). The
# 64-bit build draws some texts and hand edges a pixel apart from the 32-bit one, so each keeps
# references of its own.
gallery_references() {
    if [ "$MARVIX_WIN_PRESET" = win64 ]; then echo gallery-as-drawn-win64; else echo gallery-as-drawn; fi
}

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# use_display DIR SERVER LOG: waits for the X server just started to report its display number
# into DIR/display.num (-displayfd), then exports DISPLAY.
use_display() {
    local dir=$1
    for _ in $(seq 100); do
        [ -s "$dir/display.num" ] && break
        sleep 0.1
    done
    [ -s "$dir/display.num" ] || { echo "$2 did not start; see $3" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$dir/display.num")"
}

# start_virtual_display DIR: starts Xvfb on a free display, records its pid in DIR/xvfb.pid and
# exports DISPLAY. Xvfb itself picks the number and reports it once it accepts clients.
start_virtual_display() {
    local dir=$1
    mkdir -p "$dir"
    rm -f "$dir/display.num"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display.num" >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    use_display "$dir" Xvfb "$dir/xvfb.log"
}

# start_two_monitor_display DIR: starts an X server with two monitors (Xorg's dummy driver with
# two RandR outputs: Xvfb has one), lays them out as "two" (see set_monitor_layout), records its
# pid in DIR/xorg.pid and exports DISPLAY. Xorg reads a configuration from an absolute path only
# as root.
start_two_monitor_display() {
    local dir=$1
    mkdir -p "$dir"
    rm -f "$dir/display.num"
    cat >"$dir/dummy.conf" <<'CONF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 2048 1080
    EndSubSection
EndSection
CONF
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo Xorg -displayfd 3 -config "$dir/dummy.conf" -noreset -nolisten tcp \
        -logfile "$dir/xorg.log" 3>"$dir/display.num" >/dev/null 2>&1 &
    echo $! >"$dir/xorg.pid"
    use_display "$dir" Xorg "$dir/xorg.log" || return 1
    set_monitor_layout two
}

# set_monitor_layout two|left|one|full-hd, on $DISPLAY: the main monitor 1024 x 768 with an
# 800 x 600 one to its right, or to its left, or alone; or one monitor of 1920 x 1080. xrandr puts the leftmost monitor at 0, 0, so a layout
# is set in one command; a first attempt sometimes does not take, so it is checked and retried.
set_monitor_layout() {
    local layout=$1 expected
    local -a command
    case $layout in
    two)
        command=(--output DUMMY0 --mode 1024x768 --pos 0x0 --primary
                 --output DUMMY1 --mode 800x600 --pos 1024x0)
        expected="DUMMY0 1024x768+0+0,DUMMY1 800x600+1024+0," ;;
    left)
        command=(--output DUMMY1 --mode 800x600 --pos 0x0
                 --output DUMMY0 --mode 1024x768 --pos 800x0 --primary)
        expected="DUMMY0 1024x768+800+0,DUMMY1 800x600+0+0," ;;
    one)
        command=(--output DUMMY1 --off --output DUMMY0 --mode 1024x768 --pos 0x0 --primary)
        expected="DUMMY0 1024x768+0+0," ;;
    full-hd)
        command=(--output DUMMY1 --off --output DUMMY0 --mode 1920x1080 --pos 0x0 --primary)
        expected="DUMMY0 1920x1080+0+0," ;;
    *) echo "set_monitor_layout two|left|one|full-hd" >&2; return 2 ;;
    esac
    xrandr --addmode DUMMY1 800x600 2>/dev/null || true
    for _ in $(seq 10); do
        # Checked before anything is set: setting the layout that is already there would still
        # send every program the events of a change.
        [ "$(active_monitors)" = "$expected" ] && return 0
        xrandr "${command[@]}"
        sleep 0.3
    done
    echo "the monitors did not take the layout $layout" >&2
    return 1
}

# The active monitors, "DUMMY0 1024x768+0+0," and so on, sorted by name.
active_monitors() {
    # " 0: +*DUMMY0 1024/271x768/203+0+0  DUMMY0" becomes "DUMMY0 1024x768+0+0".
    xrandr --listactivemonitors 2>/dev/null |
        sed -nE 's#.*(DUMMY[0-9]+) ([0-9]+)/[0-9]+x([0-9]+)/[0-9]+([+-][0-9]+[+-][0-9]+).*#\1 \2x\3\4#p' |
        sort | tr '\n' ','
}

# start_compositor DIR: a compositing manager on the display (xcompmgr, no effects), which blends
# windows that have an alpha; its pid goes to DIR/compositor.pid.
start_compositor() {
    local dir=$1
    xcompmgr -n </dev/null >"$dir/compositor.log" 2>&1 &
    echo $! >"$dir/compositor.pid"
}

stop_virtual_display() {
    local dir=$1 pid
    if [ -f "$dir/compositor.pid" ]; then
        kill "$(cat "$dir/compositor.pid")" 2>/dev/null || true
        rm -f "$dir/compositor.pid"
    fi
    for pid in "$dir/xvfb.pid" "$dir/xorg.pid"; do
        [ -f "$pid" ] || continue
        if [ "$(id -u)" -eq 0 ] || [ "$pid" = "$dir/xvfb.pid" ]; then
            kill "$(cat "$pid")" 2>/dev/null || true
        else
            sudo kill "$(cat "$pid")" 2>/dev/null || true
        fi
        rm -f "$pid"
    done
}

# ensure_wine_prefix: creates $WINEPREFIX unless it is there already (a few seconds, once).
ensure_wine_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
}
