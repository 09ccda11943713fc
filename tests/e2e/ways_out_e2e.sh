#!/usr/bin/env bash
# The system's ways out stay closed while the shell runs: the registry editor,
# a command prompt and a file-manager window started behind the shell's back
# are closed within two seconds, with the shell's message, while the text
# editor that the profile offers stays. Screenshots go to BUILD/e2e/ways-out/.
#   ways_out_e2e.sh BUILD
. "$(dirname "$0")/e2e_common.sh" ways-out "$1"

message=(\#32770 "Velmora pour Windows 95")

# A window of class $1 (what $2 names) appears, is gone within two seconds,
# and the shell says so once; the offered text editor stays. Screenshot $3.
closed_and_told() {
    local lived
    lived=$(probe lifetime "$1" - 20 | tr -d '\r') || fail "$2: never shown, or never closed"
    [ "$lived" -le 2000 ] || fail "$2 stayed $lived ms"
    echo "$2: closed after $lived ms"
    probe wait-window "${message[@]}" 5 || fail "no message after $2"
    shot "$3"
    probe close "${message[@]}"
    probe wait-gone "${message[@]}" 5 || fail "the message stayed after $2"
    probe visible Notepad - || fail "the offered text editor went with $2"
}

# The program that wine started as process $1 (what $2 names) is gone within two seconds.
ended() {
    for _ in $(seq 20); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    fail "$2 still runs"
}

# Step 1: the shell on a profile that offers the text editor, started from its icon.
wine "$build/VelmoraDemo.exe" --count 1 >/dev/null || fail "demo profile"
wine "$build/Dovrane.exe" >/dev/null 2>&1 &
probe wait-window - "Bureau de : .Default" 30 || fail "the desktop did not load"
probe double-click 40 88   # slot 1, the text editor's shortcut
probe wait-window Notepad - 20 || fail "the double-click started nothing"
shot 1-offered

# Step 2: the registry editor, where the unload password is: its program is ended.
wine regedit >/dev/null 2>&1 &
closed_and_told RegEdit_RegEdit "the registry editor" 2-registry
ended $! "the registry editor"

# Step 3: a command prompt; its program ends with its window.
setsid wine start /wait cmd.exe >/dev/null 2>&1 </dev/null &
closed_and_told WineConsoleClass "the command prompt" 3-console
ended $! "the command prompt's program"

# Step 4: a file-manager window; Explorer's process, which holds the taskbar, stays.
wine explorer '/root,C:\' >/dev/null 2>&1 &
closed_and_told ExplorerWClass "the file manager" 4-file-manager
probe visible Shell_TrayWnd - || fail "the taskbar went with the file manager"
echo "1 passed, 0 failed"
