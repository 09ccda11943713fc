#!/usr/bin/env bash
# The shell from start to unload, under Wine, on a display of its own:
# Dovrane starts on a profile with one shortcut, hides the start button and
# shows its icons; a real double-click on the icon starts the text editor; a
# real double-click on the unload tray icon, the password typed and Alt+O
# give the system desktop back and remove the shell's start-up entries. The
# taskbar stays whatever closes it.
# Screenshots of each stage go to BUILD/e2e/shell/.
#   shell_e2e.sh BUILD
. "$(dirname "$0")/e2e_common.sh" shell "$1"

reg_has() { wine reg query "$1" /v "$2" $VELMORA_REG_VIEW >/dev/null 2>&1; }

wine "$build/VelmoraDemo.exe" --count 1 >/dev/null || fail "demo profile"
wine reg add 'HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Run' /v _DESKTOP /d 'C:\x\Dovrane.exe' /f $VELMORA_REG_VIEW >/dev/null 2>&1
wine reg add 'HKCU\SoftWare\Microsoft\Windows\CurrentVersion\Policies\Explorer' /v NoDeskTop /t REG_DWORD /d 1 /f $VELMORA_REG_VIEW >/dev/null 2>&1

reg_has 'HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Run' _DESKTOP || fail "no Run entry to begin with"

wine "$build/Dovrane.exe" >/dev/null 2>&1 &
shell=$!
probe wait-window - "Bureau de : .Default" 30 || fail "the desktop did not load"
sleep 1
probe start-button && fail "the start button still shows"
shot 1-loaded

probe double-click 40 88   # slot 1, the text editor's shortcut
probe wait-window Notepad - 20 || fail "the double-click started nothing"
shot 2-started
probe close Notepad -
probe wait-gone Notepad - 10

# Wine may hand the keyboard to its taskbar when a program closes. Alt+F4 there
# must not take the taskbar and its tray icons, the only ways out, away; a
# close that comes another way is undone.
tray() { probe inked 900 750 1024 768 | tr -d '\r'; }   # how much of the tray is drawn
before=$(tray)
probe activate Shell_TrayWnd - || fail "no taskbar"
probe keys-alt f4
sleep 1
probe visible Shell_TrayWnd - || fail "Alt+F4 took the taskbar away"
probe close Shell_TrayWnd -
sleep 1
probe visible Shell_TrayWnd - || fail "a closed taskbar did not come back"
[ "$(tray)" = "$before" ] || fail "the tray icons did not come back with the taskbar"

# Ctrl+Alt clicks on the background hide and show the unload icon.
probe ctrl-alt-click left 600 300
sleep 1
hidden=$(tray)
[ "$hidden" -lt "$before" ] || fail "Ctrl+Alt+left click left the unload icon ($before, $hidden)"
probe ctrl-alt-click right 600 300
sleep 1
[ "$(tray)" = "$before" ] || fail "Ctrl+Alt+right click did not bring the unload icon back"
shot 3-unload-icon-back

probe double-click 974 758   # the unload icon, back as the newest (leftmost)
probe wait-window - "Déchargement" 10 || fail "no password dialog"
probe type demo
shot 4-password
probe keys-alt o
probe wait-gone - "Bureau de : .Default" 15 || fail "the shell did not unload"
for i in $(seq 50); do kill -0 $shell 2>/dev/null || break; sleep 0.2; done
kill -0 $shell 2>/dev/null && fail "the shell is still running"
shot 5-unloaded
probe start-button || fail "the start button was not given back"
reg_has 'HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Run' _DESKTOP && fail "the Run entry stayed"
reg_has 'HKCU\SoftWare\Microsoft\Windows\CurrentVersion\Policies\Explorer' NoDeskTop && fail "NoDeskTop stayed"
echo "1 passed, 0 failed"
