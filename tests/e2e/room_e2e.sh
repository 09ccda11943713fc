#!/usr/bin/env bash
# A room of two machines: two prefixes on displays of their own reach one host
# folder as \\serveur\velmora (a link dosdevices/unc/serveur/velmora). A's
# administration program moves its profiles there and edits a desktop; B's
# shell shows it, starts on its last copy with the share down and says
# nothing, and shows A's next edit within two minutes without a restart.
# Screenshots go to BUILD/e2e/room/ (a- and b- for the machine).
#   room_e2e.sh BUILD
. "$(dirname "$0")/e2e_common.sh" room "$1"

share="$out/share"
mkdir -p "$share"
machine_a="$WINEPREFIX" display_a="$DISPLAY" xvfb_a="$VELMORA_XVFB"
machine_b="$build/e2e-room-prefix"
velmora_private_display || exit 1
display_b="$DISPLAY" xvfb_b="$VELMORA_XVFB"
export DISPLAY="$display_a"
vendor='HKLM\SoftWare\ZAFO\Dovrane'
# The other scripts' machine A has local profiles.
trap 'wine reg delete "$vendor" /v Profils /f $VELMORA_REG_VIEW >/dev/null 2>&1; wineserver -k 2>/dev/null
      WINEPREFIX=$machine_b wineserver -k 2>/dev/null; kill $xvfb_a $xvfb_b 2>/dev/null' EXIT
WINEPREFIX="$machine_b" velmora_prefix
WINEPREFIX="$machine_b" wineserver -k 2>/dev/null

on_b() { WINEPREFIX="$machine_b" DISPLAY="$display_b" "$@"; }
probe_b() { on_b wine "$build/tests/E2EProbe.exe" "$@"; }
shot_b() { import -window root -display "$display_b" "$out/b-$1.png"; }
link_share() { mkdir -p "$1/dosdevices/unc/serveur" && ln -sfn "$share" "$1/dosdevices/unc/serveur/velmora"; }
copy_on_b() { for i in $(seq "$2"); do [ -f "$machine_b/drive_c/windows/velmo/.default/$1.lnk" ] && return 0; sleep 1; done; return 1; }
# A double-click on B's desktop at X Y starts Notepad, which is closed again.
starts_on_b() {
    probe_b double-click "$1" "$2"
    probe_b wait-window Notepad - 20 || fail "$3"
    probe_b close Notepad -
    probe_b wait-gone Notepad - 10
}
main='Bureau par défaut'
desktop='Bureau de : .Default'

for machine in "$machine_a" "$machine_b"; do
    rm -rf "$machine/drive_c/windows/velmo"
    link_share "$machine"
done
wine reg delete "$vendor" /v Profils /f $VELMORA_REG_VIEW >/dev/null 2>&1

# A shortcut of the desktop being edited, made in the administration program.
new_shortcut() {
    probe click-client - "$main" 100 120   # the list
    probe key insert
    probe wait-window - "Nouveau raccourci..." 10 || fail "Insert opened no shortcut dialog"
    # Into each field by a click: the dialog keeps the focus where it was left.
    probe click-client - "Nouveau raccourci..." 100 32   # "Fichier \"cible\""
    probe text 'C:\windows\notepad.exe'
    probe click-client - "Nouveau raccourci..." 100 158   # "Texte sous l'icône"
    probe text "$1"
    probe enter
    probe wait-gone - "Nouveau raccourci..." 10 || fail "the shortcut dialog stayed open"
}

# Machine A: a local desktop, then the room's share.
quorvel_first_start "$build/Quorvel.exe"
new_shortcut Notes
place='Emplacement des profils...'
probe click-client - "$main" 236 11   # "Autre utilisateur"
probe wait-window - "Choix de l'utilisateur..." 10 || fail "no profiles dialog"
probe click-client - "Choix de l'utilisateur..." 115 224   # "Emplacement..."
probe wait-window - "$place" 10 || fail "no place dialog"
probe click-client - "$place" 20 39   # a shared folder
probe click-client - "$place" 100 62
probe text '\\serveur\velmora'
probe click-client - "$place" 164 96   # OK
probe wait-window "#32770" "Installation du Velmora" 10 || fail "no offer to copy the profiles"
shot a-1-offer
probe enter   # yes
probe wait-gone - "$place" 10 || fail "the place dialog stayed open"
probe close - "Choix de l'utilisateur..."
[ -f "$share/.default/Notes.lnk" ] || fail "the machine's profiles were not copied to the share"
new_shortcut Texte
[ -f "$share/.default/Texte.lnk" ] || fail "the edit did not reach the share"
probe close - "$main"
probe wait-gone - "$main" 10 || fail "the administration program did not end"

# Machine B: its own registry, the same share.
on_b wine reg add "$vendor" /v Profils /d '\\serveur\velmora' /f $VELMORA_REG_VIEW >/dev/null 2>&1
on_b wine reg add 'HKCU\SoftWare\ZAFO\Dovrane' /v Password /d 'demo      ' /f $VELMORA_REG_VIEW >/dev/null 2>&1
on_b wine "$build/Dovrane.exe" >/dev/null 2>&1 &
probe_b wait-window - "$desktop" 40 || fail "B's shell did not start"
copy_on_b Texte 30 || fail "B copied nothing from the share"
sleep 3
shot_b 1-from-share
starts_on_b 40 156 "B's desktop does not show A's two shortcuts"   # slot 2

# The server is down when B starts again: the last copy, and not a word.
on_b wineserver -k; on_b wineserver -w
rm "$machine_b/dosdevices/unc/serveur/velmora"
on_b wine "$build/Dovrane.exe" >/dev/null 2>&1 &
probe_b wait-window - "$desktop" 40 || fail "B's shell did not start without the share"
sleep 5
shot_b 2-share-down
probe_b visible "#32770" - && fail "B's shell spoke of the share"
starts_on_b 40 156 "B lost its last copy"

# The server is back, and A edits the desktop again.
link_share "$machine_b"
wine "$build/Quorvel.exe" >/dev/null 2>&1 &
probe wait-window - Informations 30 || fail "A's administration program did not start again"
probe enter
probe wait-window - "$main" 10 || fail "A did not open the share's default profile"
new_shortcut Bloc
probe close - "$main"
copy_on_b Bloc 125 || fail "B's shell did not copy the edit within two minutes"
sleep 2
shot_b 3-edit-shown
starts_on_b 40 224 "B's running shell does not show the edit"   # slot 3
echo "1 passed, 0 failed"
