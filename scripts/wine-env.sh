# Sourced by the other scripts: Wine in a throwaway prefix, on a display.
#   VELMORA_PREFIX   the prefix folder (required)
#   VELMORA_BUILD    the build whose programs run: x64 (default) or x86
#
# Each build has its Wine: the 32-bit build that ships (x86) runs in a 32-bit
# prefix that poses as Windows 98, so that the programs take their Windows
# 95/98 paths; the 64-bit build (x64) in a 64-bit prefix, as the NT family.
if [ "${VELMORA_BUILD:-x64}" = x86 ]; then
    VELMORA_WINEARCH=win32 VELMORA_WINVER=win98
else
    VELMORA_WINEARCH=win64 VELMORA_WINVER=
fi
export WINEPREFIX="$VELMORA_PREFIX"
export WINEDEBUG=-all
# No install prompt for .NET or Gecko; and no menu builder, which Wine starts
# for every shortcut saved (the tests save thousands, many of them damaged).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8
export WINEARCH="$VELMORA_WINEARCH"

# The registry view that the programs of the prefix read and write, for reg.exe,
# and the loader of the prefix's own system programs (wineboot, rundll32): in a
# 64-bit prefix the 64-bit ones read and write that view.
if [ "$WINEARCH" = win64 ]; then
    VELMORA_REG_VIEW=/reg:64 VELMORA_WINE=/usr/lib/wine/wine64
else
    VELMORA_REG_VIEW= VELMORA_WINE=wine
fi

velmora_xvfb() {
    # The first of the displays named after "shared" or "private" that is
    # free, on a new Xvfb; a shared run also takes one that already answers.
    local kind=$1 n i
    shift
    for n; do
        export DISPLAY=":$n"
        if [ "$kind" = shared ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
        [ ! -e "/tmp/.X$n-lock" ] || continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        VELMORA_XVFB=$!
        for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    done
    echo "no X display could be started" >&2
    return 1
}

velmora_display() {
    # An X display that answers, or an Xvfb shared by the runs that need one.
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    velmora_xvfb shared 91 92 93 94 95 96 97 98
}

velmora_private_display() {
    # A display of our own, for runs that must not share the screen or the input focus.
    velmora_xvfb private 81 82 83 84 85 86 87 88
}

velmora_start() {
    # The display (with "private", one of our own, for runs that must not
    # share the screen or the input focus), the prefix ready, and on exit
    # Wine's server and our Xvfb ended.
    if [ "${1:-}" = private ]; then
        velmora_private_display || exit 1
    else
        velmora_display || exit 1
    fi
    trap velmora_stop EXIT
    velmora_prefix
}

velmora_stop() {
    wineserver -k 2>/dev/null || true
    [ -z "${VELMORA_XVFB:-}" ] || kill "$VELMORA_XVFB" 2>/dev/null || true
}

velmora_wine_setup() {
    # What a prefix depends on: once wine32 comes or goes, or Wine changes, a
    # prefix made before cannot start programs any more.
    echo "velmora-5 $WINEARCH ${VELMORA_WINVER:-default} $(dpkg-query -W -f='${Version} ' wine wine64 wine32:i386 2>/dev/null)"
}

velmora_prefix() {
    # The prefix is made once for a given Wine set-up; parallel callers wait
    # for the first one. Programs run in a virtual desktop of Wine's own: it
    # has a taskbar and a notification area, and windows show without waiting
    # on the X server. Wine calls every name that begins with a dot hidden
    # unless told not to; Windows does not, and the default profile is ".default".
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        local stamp="$WINEPREFIX/.velmora-ready" setup
        setup=$(velmora_wine_setup)
        if [ "$(cat "$stamp" 2>/dev/null)" != "$setup" ]; then
            wineserver -k 2>/dev/null || true
            rm -rf "$WINEPREFIX"
            wineboot -i >/dev/null 2>&1
            mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
            cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f >/dev/null 2>&1
            if [ -n "${VELMORA_WINVER:-}" ]; then
                wine reg add 'HKCU\Software\Wine' /v Version /d "$VELMORA_WINVER" /f >/dev/null 2>&1
            fi
            wineserver -w
            echo "$setup" >"$stamp"
        fi
    ) 9>"$WINEPREFIX.lock"
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${VELMORA_DESKTOP:-1024x768}" /f \
        >/dev/null 2>&1
}

velmora_restart_session() {
    # The session ends (the registry is saved), then the system starts again.
    # Posing as Windows 95/98, a restart (wineboot -r) runs what RunServices
    # names; as the NT family, which never reads RunServices, a new log-on
    # (a plain wineboot) runs both Run keys as well.
    wineserver -k
    wineserver -w
    local restart=
    [ -z "${VELMORA_WINVER:-}" ] || restart=-r
    $VELMORA_WINE wineboot $restart >/dev/null 2>&1
}
