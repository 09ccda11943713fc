#!/usr/bin/env bash
# F1 under Wine: in the administration program's main window and in four of
# its dialogs, the key starts the system's help viewer on the window's topic
# of velmo95.hlp, the help file beside the program.
# Screenshots go to BUILD/e2e/help/.
#   help_f1.sh BUILD
. "$(dirname "$0")/e2e_common.sh" help "$1"

[ -f "$build/velmo95.hlp" ] || fail "no help file beside the program"
rm -rf "$WINEPREFIX/drive_c/windows/velmo"
main='Bureau par défaut'

# F1 in the active window; the viewer shows TOPIC as its title. The viewer
# is closed again: it covers the program.
f1_shows() {
    probe key f1
    probe wait-heading MS_WINHELP - "$1" 20 || fail "F1 did not open \"$1\""
    shot "$2"
    probe close MS_WINHELP -
    probe wait-gone MS_WINHELP - 10 || fail "the help viewer stayed open"
}

# Closes a dialog as its close box would.
close_dialog() {
    probe close - "$1"
    probe wait-gone - "$1" 10 || fail "\"$1\" stayed open"
}

# Opens a dialog with a toolbar button of the main window (at X, Y).
open_dialog() {
    probe click-client - "$main" "$1" "$2"
    probe wait-window - "$3" 10 || fail "no \"$3\""
}

quorvel_first_start "$build/Quorvel.exe"
f1_shows "La fenêtre principale" 1-main-window

open_dialog 163 11 "Options du bureau"
f1_shows "Options du bureau" 2-options
close_dialog "Options du bureau"

open_dialog 236 11 "Choix de l'utilisateur..."
f1_shows "Choix de l'utilisateur" 3-profiles
probe click-client - "Choix de l'utilisateur..." 115 224   # "Emplacement..."
probe wait-window - "Emplacement des profils..." 10 || fail "no place dialog"
f1_shows "Emplacement des profils" 4-place
close_dialog "Emplacement des profils..."
close_dialog "Choix de l'utilisateur..."

open_dialog 13 11 "Nouveau raccourci..."
f1_shows "Nouveau raccourci" 5-new-shortcut
close_dialog "Nouveau raccourci..."

probe close - "$main"
probe wait-gone - "$main" 10 || fail "the administration program did not end"
echo "1 passed, 0 failed"
