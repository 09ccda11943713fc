#!/usr/bin/env bash
# From the floppy to boot and back, under Wine: the right-click "Installer"
# command installs Velmora from its INF on A:; the installed administration
# program makes a shortcut in the default profile and activates the shell; a
# restart (posing as Windows 95/98: RunServices) or a new log-on (the NT
# family: Run) starts it with that profile; the password unloads it. Then
# deactivation, and after a second activation the uninstall entry, leave no
# start-up entry and no restriction, but the profile and the password.
# Screenshots of each stage go to BUILD/e2e/boot/.
#   setup_to_boot.sh BUILD
. "$(dirname "$0")/e2e_common.sh" boot "$1"

drive="$WINEPREFIX/drive_c"
floppy="$build/e2e/floppy"
run='HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Run'
services='HKLM\SoftWare\Microsoft\Windows\CurrentVersion\RunServices'
explorer='HKCU\SoftWare\Microsoft\Windows\CurrentVersion\Policies\Explorer'
system='HKCU\SoftWare\Microsoft\Windows\CurrentVersion\Policies\System'
uninstall='HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
# Each family's program folder, start-up entry, MSDOS.SYS boot keys after activation and
# deactivation, DisableTaskMgr and Start menu entry (Windows 95/98 make it from SETUP.INI).
if [ -n "${VELMORA_WINVER:-}" ]; then
    folder='C:\VELMORA' startup=("$services" _DESKTOP) keys=(BootKeys=0 BootKeys=1) taskmgr=
    menu="$drive/windows/setup.ini" entry='"Velmora - Administration","C:\VELMORA\QUORVEL.EXE"'
else
    folder='C:\Program Files\Velmora' startup=("$run" Velmora) keys=('' '') taskmgr=0x1
    menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora - Administration.lnk"
    entry="$folder\\Quorvel.exe"
fi
installed="$(winepath -u "$folder" 2>/dev/null)"
rm -rf "$drive/windows/velmo" "$installed" "$drive/MSDOS.SYS" "$floppy"
for key in 'HKCU\SoftWare\ZAFO' "$uninstall" "$explorer" "$system"; do
    wine reg delete "$key" /f $VELMORA_REG_VIEW >/dev/null 2>&1
done
wine reg delete "${startup[0]}" /v "${startup[1]}" /f $VELMORA_REG_VIEW >/dev/null 2>&1

value() { wine reg query "$1" /v "$2" $VELMORA_REG_VIEW 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]*    //p"; }
boot_keys() { grep -ao 'BootKeys=.' "$drive/MSDOS.SYS" 2>/dev/null; }
# No start-up entry, no restriction, the password kept: what deactivation and uninstalling leave.
inactive() {
    [ -z "$(value "${startup[@]}")" ] || fail "$1: the start-up entry stayed"
    for key in "$explorer" "$system"; do
        ! wine reg query "$key" $VELMORA_REG_VIEW 2>/dev/null | grep REG_ || fail "$1: restrictions stayed"
    done
    [ "$(value 'HKCU\SoftWare\ZAFO\Dovrane' Password)" = 'demo      ' ] || fail "$1: the password went"
}
main='Bureau par défaut'
# The activation (X 186, with the password) or deactivation (209) toolbar
# button; the first line of the message that answers; a screenshot's name.
toolbar() {
    probe click-client - "$main" "$1" 11
    if [ "$1" = 186 ]; then
        probe wait-window - "Installation du bureau" 10 || fail "no password dialog"
        probe type demo; probe key tab; probe type demo; probe enter
    fi
    probe wait-heading "#32770" "Installation du Velmora" "$2" 10 || fail "no message \"$2\""
    shot "$3"
    probe enter
}

# Installation from the floppy, by the command that the right-click "Installer" runs.
mkdir -p "$floppy"
cp "$build"/{Dovrane.exe,Quorvel.exe,velmo95.hlp,LISEZMOI.TXT,VELMORA.INF} "$floppy"
ln -sfn "$floppy" "$WINEPREFIX/dosdevices/a:"
$VELMORA_WINE rundll32 setupapi.dll,InstallHinfSection DefaultInstall 132 'A:\VELMORA.INF' >/dev/null 2>&1
rm "$WINEPREFIX/dosdevices/a:"   # the floppy comes out: the other scripts know no drive A:
for file in Dovrane.exe Quorvel.exe velmo95.hlp LISEZMOI.TXT; do
    cmp -s "$floppy/$file" "$installed/$file" || fail "$file is not in $folder"
done
grep -aqF "$entry" "$menu" || fail "no Start menu entry"
[ "$(value "$uninstall" DisplayName)" = Velmora ] || fail "no uninstall entry"

# Set-up.
quorvel_first_start "$folder\\Quorvel.exe"
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

toolbar 186 'Bureau activé...' 3-activated
probe close - "$main"
probe wait-gone - "$main" 10 || fail "the administration program did not end"
[ "$(value "${startup[@]}")" = "$folder\\Dovrane.exe" ] || fail "start-up entry: $(value "${startup[@]}")"
[ "$(value "$system" DisableTaskMgr)" = "$taskmgr" ] || fail "DisableTaskMgr: $(value "$system" DisableTaskMgr)"
[ "$(boot_keys)" = "${keys[0]}" ] || fail "MSDOS.SYS after activation: $(boot_keys)"

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
[ -z "$(value "$explorer" NoDeskTop)" ] || fail "NoDeskTop stayed"
[ -n "$(value "${startup[@]}")" ] || fail "the start-up entry went"
for r in NoSetTaskBar NoTrayContextMenu NoViewContextMenu; do
    [ "$(value "$explorer" $r)" = 0x1 ] || fail "$r is not 1"
done

# Deactivation, then a second activation that the uninstall entry takes back.
wine "$folder\\Quorvel.exe" >/dev/null 2>&1 &
probe wait-window - Informations 30 || fail "no information box"
probe enter
probe wait-window - "$main" 10 || fail "no main window"
toolbar 209 'Bureau désactivé...' 7-deactivated
inactive deactivation
[ "$(boot_keys)" = "${keys[1]}" ] || fail "MSDOS.SYS after deactivation: $(boot_keys)"
toolbar 186 'Bureau activé...' 8-activated-again
probe close - "$main"
probe wait-gone - "$main" 10 || fail "the administration program did not end"
$VELMORA_WINE $(value "$uninstall" UninstallString) >/dev/null 2>&1
inactive uninstalling
[ ! -e "$installed/Quorvel.exe" ] || fail "the programs stayed"
[ -n "${VELMORA_WINVER:-}" ] || [ ! -e "$menu" ] || fail "the Start menu entry stayed"
[ -z "$(value "$uninstall" DisplayName)" ] || fail "the uninstall entry stayed"
[ -f "$drive/windows/velmo/.default/Notes.lnk" ] || fail "uninstalling took the profile"
echo "1 passed, 0 failed"
