#!/usr/bin/env bash
# The ways out of the restricted desktop stay closed, under Wine, on a display
# of its own. A sub-folder of the desktop opens in the shell's own window,
# where the keyboard goes in and out of a nested folder but never above the
# folder that was opened; drive A opens in the shell's window too, where a
# program of the diskette is refused and a document of an offered program
# opens; no file-manager window appears. Then the registry editor, a command
# prompt and a file-manager window started behind the shell's back are closed
# within two seconds, with the shell's message, while the text editor that the
# profile offers stays. Screenshots go to BUILD/e2e/ways-out/.
#   ways_out_e2e.sh BUILD
. "$(dirname "$0")/e2e_common.sh" ways-out "$1"

c_drive="$WINEPREFIX/drive_c"
profile="$c_drive/windows/velmo/.default"
floppy="$build/e2e-floppy"

# The desktop holds one folder, Outils; Outils holds one folder, Jeux; Jeux
# holds the text editor's shortcut. Nothing else, so that each list's first
# entry is known.
rm -rf "$c_drive/windows/velmo"
wine "$build/VelmoraDemo.exe" >/dev/null || fail "demo profile"
mkdir -p "$profile/Outils/Jeux.tmp"
mv "$profile/Bloc-notes.lnk" "$profile/Outils/Jeux.tmp/"
rm -rf "$profile"/*.lnk "$profile/Outils"/*.lnk
mv "$profile/Outils/Jeux.tmp" "$profile/Outils/Jeux"

# Drive A: a diskette in a folder of the build.
rm -rf "$floppy" && mkdir -p "$floppy"
cp "$c_drive/windows/system32/winemine.exe" "$floppy/jeu.exe"
rm -f "$WINEPREFIX/dosdevices/a:" && ln -s "$floppy" "$WINEPREFIX/dosdevices/a:"
wine reg add 'HKLM\Software\Wine\Drives' /v a: /d floppy /f >/dev/null 2>&1

no_file_manager() {
    for cls in ExplorerWClass CabinetWClass; do
        probe visible "$cls" - && fail "a file-manager window ($cls) appeared: $1"
    done
    return 0
}

wine "$build/Dovrane.exe" >/dev/null 2>&1 &
probe wait-window - "Bureau de : .Default" 60 || fail "the desktop did not load"
sleep 1

# The folder window: Enter goes into Jeux, Enter there starts its first entry,
# Backspace comes back and stops at Outils, Escape closes.
probe double-click 40 88   # slot 1, Outils
probe wait-window - Outils 10 || fail "the folder did not open in the shell's window"
no_file_manager "folder"
shot 1-folder
probe key enter
probe wait-window - Jeux 5 || fail "Enter did not open the nested folder"
probe key enter
probe wait-window Notepad - 20 || fail "Enter did not start the first entry"
probe close Notepad -
probe wait-gone Notepad - 10
probe activate - Jeux || fail "the folder window went away"
probe key backspace
probe wait-window - Outils 5 || fail "Backspace did not go up"
probe key backspace
sleep 1
probe visible - Outils || fail "Backspace went above the folder that was opened"
probe key escape
probe wait-gone - Outils 5 || fail "Escape did not close the folder window"

# Drive A: a program of the diskette is refused.
probe double-click 40 20   # slot 0, drive A
probe wait-window - "Disquette A" 10 || fail "drive A did not open in the shell's window"
no_file_manager "drive A"
shot 2-drive-a
probe key enter
probe wait-window "#32770" - 5 || fail "a program of the diskette was not refused"
shot 3-refused
probe enter
probe wait-gone "#32770" - 5
probe visible - "Démineur" && fail "the diskette's program ran"
probe activate - "Disquette A"
probe keys-alt f4
probe wait-gone - "Disquette A" 5 || fail "Alt+F4 did not close the drive A window"

# A document of the offered text editor opens with it.
rm "$floppy/jeu.exe"
printf '[Velmora]\r\nessai=1\r\n' >"$floppy/lisez.ini"
probe double-click 40 20
probe wait-window - "Disquette A" 10 || fail "drive A did not open again"
probe key enter
probe wait-window Notepad - 20 || fail "the document did not open with the offered text editor"
shot 4-offered
no_file_manager "end"

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

# The text editor that the profile offers is open with the diskette's
# document. The registry editor, where the unload password is: its program is ended.
wine regedit >/dev/null 2>&1 &
closed_and_told RegEdit_RegEdit "the registry editor" 5-registry
ended $! "the registry editor"

# A command prompt; its program ends with its window.
setsid wine start /wait cmd.exe >/dev/null 2>&1 </dev/null &
closed_and_told WineConsoleClass "the command prompt" 6-console
ended $! "the command prompt's program"

# A file-manager window; Explorer's process, which holds the taskbar, stays.
wine explorer '/root,C:\' >/dev/null 2>&1 &
closed_and_told ExplorerWClass "the file manager" 7-file-manager
probe visible Shell_TrayWnd - || fail "the taskbar went with the file manager"

# The other scripts of this prefix meet no drive A.
rm -f "$WINEPREFIX/dosdevices/a:"
wine reg delete 'HKLM\Software\Wine\Drives' /v a: /f >/dev/null 2>&1
echo "1 passed, 0 failed"
