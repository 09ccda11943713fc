#!/usr/bin/env bash
# The administration program's first start under Wine, on a Windows folder
# without profiles: it makes the hidden profiles folder and the default
# profile with its initial options, says so once, shows its information box
# and opens the default profile; a second start says nothing.
# Screenshots go to BUILD/e2e/admin/.
#   admin_first_run.sh BUILD
. "$(dirname "$0")/e2e_common.sh" admin "$1"

windows="$WINEPREFIX/drive_c/windows"
rm -rf "$windows/velmo"

setting() { sed -n "/^\[$1\]/,/^\[/p" "$windows/velmo/.default.ini" | tr -d '\r' | grep -i "^$2=" | cut -d= -f2; }

wine "$build/Quorvel.exe" >/dev/null 2>&1 &
probe wait-window "#32770" "Installation du Velmora" 30 || fail "no first-run message"
shot 1-first-run-message
probe enter
probe wait-window - Informations 10 || fail "no information box"
shot 2-information
probe enter
probe wait-window - "Bureau par défaut" 10 || fail "the default profile did not open"
shot 3-main-window

[ -d "$windows/velmo/.default" ] || fail "no default profile folder"
attributes=$(wine cmd /c attrib 'C:\windows\velmo' 2>/dev/null | tr -d '\r')
case "$attributes" in *H*) ;; *) fail "the profiles folder is not hidden: $attributes" ;; esac
[ "$(setting Taskbar visible)" = 0 ] || fail "Taskbar visible"
[ "$(setting Windows Exit)" = 1 ] || fail "Windows Exit"
[ "$(setting DiskA Visible)" = 0 ] || fail "DiskA Visible"
[ "$(setting Windows Session)" = 1 ] || fail "Windows Session"
[ "$(setting BackGround Color)" = 8421376 ] || fail "BackGround Color"
[ "$(setting BackGround Image)" = "" ] || fail "BackGround Image"
[ "$(setting Text Color)" = 16777215 ] || fail "Text Color"
[ "$(setting Text BackGround)" = 8421376 ] || fail "Text BackGround"
[ "$(setting Text Transparent)" = 1 ] || fail "Text Transparent"

probe close - "Bureau par défaut"
probe wait-gone - "Bureau par défaut" 10 || fail "the program did not end"
sleep 1
wine "$build/Quorvel.exe" >/dev/null 2>&1 &
probe wait-window - Informations 30 || fail "no information box at the second start"
probe visible "#32770" "Installation du Velmora" && fail "the second start spoke"
probe enter
probe wait-window - "Bureau par défaut" 10 || fail "the second start did not open the default profile"
echo "1 passed, 0 failed"
