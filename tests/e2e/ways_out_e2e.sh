#!/usr/bin/env bash
# The system's ways out stay closed while the shell runs, under Wine, on a
# display of its own. The shell loads a profile that offers the text editor
# alone; the user starts it from its icon. Then the registry editor, a
# command prompt and a file-manager window are started behind the shell's
# back: each is closed within two seconds, with the shell's message, while
# the text editor stays.
# Screenshots go to BUILD/e2e/ways-out/.
#   ways_out_e2e.sh BUILD
. "$(dirname "$0")/e2e_common.sh" ways-out "$1"

message=(\#32770 "Velmora pour Windows 95")

# The window of CLASS appears and is gone within two seconds; WHAT names it.
closed_quickly() {
    local lived
    lived=$(probe lifetime "$1" - 20 | tr -d '\r') || fail "$2: never shown, or never closed"
    [ "$lived" -le 2000 ] || fail "$2 stayed $lived ms"
    echo "$2: closed after $lived ms"
}

# The shell tells it once; the user answers; the offered program is still there.
told_and_offered_stays() {
    probe wait-window "${message[@]}" 5 || fail "no message after $1"
    shot "$2"
    probe close "${message[@]}"
    probe wait-gone "${message[@]}" 5 || fail "the message stayed after $1"
    probe visible Notepad - || fail "the offered text editor went with $1"
}

# Step 1: the shell on a profile that offers the text editor, started from its icon.
wine "$build/VelmoraDemo.exe" --count 1 >/dev/null || fail "demo profile"
wine "$build/Dovrane.exe" >/dev/null 2>&1 &
probe wait-window - "Bureau de : .Default" 30 || fail "the desktop did not load"
probe double-click 40 88   # slot 1, the text editor's shortcut
probe wait-window Notepad - 20 || fail "the double-click started nothing"
shot 1-offered

# Step 2: the registry editor, where the unload password is.
wine regedit >/dev/null 2>&1 &
closed_quickly RegEdit_RegEdit "the registry editor"
probe running regedit.exe && fail "the registry editor was not ended"
told_and_offered_stays "the registry editor" 2-registry

# Step 3: a command prompt; its program ends with its window.
setsid wine start cmd.exe >/dev/null 2>&1 </dev/null &
closed_quickly WineConsoleClass "the command prompt"
sleep 1
probe running cmd.exe && fail "the command prompt's program still runs"
told_and_offered_stays "the command prompt" 3-console

# Step 4: a file-manager window; Explorer's process, which holds the taskbar, stays.
wine explorer '/root,C:\' >/dev/null 2>&1 &
closed_quickly ExplorerWClass "the file manager"
probe visible Shell_TrayWnd - || fail "the taskbar went with the file manager"
told_and_offered_stays "the file manager" 4-file-manager

# Step 5: two at once give one message, not a pile.
wine winefile >/dev/null 2>&1 &
wine taskmgr >/dev/null 2>&1 &
closed_quickly WFS_Frame "the Windows 3.1 file manager"
probe running taskmgr.exe && sleep 2
probe running taskmgr.exe && fail "the task manager was not ended"
told_and_offered_stays "two ways out" 5-two-at-once
sleep 1
probe visible "${message[@]}" && fail "a second message piled up"
echo "1 passed, 0 failed"
