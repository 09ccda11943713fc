# Sourced by the end-to-end scripts: a fresh Wine session in the end-to-end
# prefix, on a display of its own, and the probe that drives it.
#   . e2e_common.sh NAME BUILD     screenshots go to BUILD/e2e/NAME/
set -u
build="$2"
e2e_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$build/e2e/$1"
rm -rf "$out" && mkdir -p "$out"
VELMORA_PREFIX="$build/e2e-prefix"
. "$e2e_here/../../scripts/wine-env.sh"
velmora_start private
wineserver -k 2>/dev/null
wineserver -w

probe() { wine "$build/tests/E2EProbe.exe" "$@"; }
shot() { import -window root -display "$DISPLAY" "$out/$1.png"; }
fail() { echo "FAILED: $*"; shot failure; exit 1; }

# Starts the administration program (its Windows path) on a Windows folder
# without profiles and takes it past its first-run message and information
# box to its main window, on the default profile.
quorvel_first_start() {
    wine "$1" >/dev/null 2>&1 &
    probe wait-window "#32770" "Installation du Velmora" 30 || fail "no first-run message"
    probe enter
    probe wait-window - Informations 10 || fail "no information box"
    probe enter
    probe wait-window - "Bureau par défaut" 10 || fail "no main window"
}
