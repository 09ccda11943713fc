#!/usr/bin/env bash
# From set-up to boot, under Wine: the administration program, started on a
# Windows folder without profiles, makes a shortcut in the default profile
# and activates the shell with a password; a restart of the Wine session
# starts what RunServices names, and the shell comes up with that profile's
# icon and the unload icon that its options ask for; the password unloads it. The start-up entries and restrictions are checked at the end.
# Screenshots of each stage go to BUILD/e2e/boot/.
#   setup_to_boot.sh BUILD
. "$(dirname "$0")/e2e_common.sh" boot "$1"

drive="$WINEPREFIX/drive_c"
rm -rf "$drive/windows/velmo" "$drive/Velmora" "$drive/MSDOS.SYS"
mkdir -p "$drive/Velmora"
cp "$build/Dovrane.exe" "$build/Quorvel.exe" "$drive/Velmora/"
run='HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Run'
services='HKLM\SoftWare\Microsoft\Windows\CurrentVersion\RunServices'
policies='HKCU\SoftWare\Microsoft\Windows\CurrentVersion\Policies\Explorer'
wine reg delete 'HKCU\SoftWare\ZAFO' /f $VELMORA_REG_VIEW >/dev/null 2>&1
wine reg delete "$services" /v _DESKTOP /f $VELMORA_REG_VIEW >/dev/null 2>&1

value() { wine reg query "$1" /v "$2" $VELMORA_REG_VIEW 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]*    //p"; }
main='Bureau par défaut'

# Set-up.
quorvel_first_start 'C:\Velmora\Quorvel.exe'
probe click-client - "$main" 100 120   # the list
probe key insert
probe wait-window - "Nouveau raccourci..." 10 || fail "Insert opened no shortcut dialog"
probe text 'C:\windows\notepad.exe'
for i in 1 2 3 4 5 6 7; do probe key tab; done
probe text 'Notes'
shot 1-new-shortcut
probe enter
probe wait-gone - "Nouveau raccourci..." 10 || fail "the shortcut dialog stayed open"
[ -f "$drive/windows/velmo/.default/Notes.lnk" ] || fail "no shortcut written"

probe click-client - "$main" 163 11   # "Options d'environnement"
probe wait-window - "Options du bureau" 10 || fail "no options dialog"
probe click-client - "Options du bureau" 15 11   # the unload icon shows
shot 2-options
probe click-client - "Options du bureau" 128 251   # OK
probe wait-gone - "Options du bureau" 10 || fail "the options dialog stayed open"

probe click-client - "$main" 186 11   # "Activation du Velmora"
probe wait-window - "Installation du bureau" 10 || fail "no password dialog"
probe type demo
probe key tab
probe type demo
shot 3-password
probe enter
probe wait-window "#32770" "Installation du Velmora" 10 || fail "no activation message"
shot 4-activated
probe enter
probe close - "$main"
probe wait-gone - "$main" 10 || fail "the administration program did not end"

[ "$(value "$services" _DESKTOP)" = 'C:\Velmora\Dovrane.exe' ] || fail "RunServices entry: $(value "$services" _DESKTOP)"
[ "$(value 'HKCU\SoftWare\ZAFO\Dovrane' Password)" = 'demo      ' ] || fail "password"

# Boot: the session ends (the registry is saved), then the system starts again.
velmora_restart_session
probe wait-window - "Bureau de : .Default" 40 || fail "the shell did not start at boot"
sleep 5   # the caption comes first, then the icons: the first shell start of a session is slow
shot 5-booted
probe start-button && fail "the start button still shows"
probe double-click 40 88   # the profile's one shortcut
probe wait-window Notepad - 20 || fail "the shortcut's icon did not start its program"
probe close Notepad -
probe wait-gone Notepad - 10

# The way out.
probe double-click 1014 758   # the unload icon, the first of the tray
probe wait-window - "Déchargement" 10 || fail "no unload dialog"
probe type demo
probe keys-alt o
probe wait-gone - "Bureau de : .Default" 15 || fail "the shell did not unload"
sleep 1
shot 6-unloaded
[ -z "$(value "$run" _DESKTOP)" ] || fail "the Run entry stayed"
[ -z "$(value "$policies" NoDeskTop)" ] || fail "NoDeskTop stayed"
[ "$(value "$services" _DESKTOP)" = 'C:\Velmora\Dovrane.exe' ] || fail "the RunServices entry went"
for r in NoSetTaskBar NoTrayContextMenu NoViewContextMenu; do
    [ "$(value "$policies" $r)" = 0x1 ] || fail "$r is not 1"
done
wine reg delete "$services" /v _DESKTOP /f $VELMORA_REG_VIEW >/dev/null 2>&1
echo "1 passed, 0 failed"
