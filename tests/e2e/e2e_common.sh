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
velmora_private_display || exit 1
trap 'wineserver -k 2>/dev/null; kill $VELMORA_XVFB 2>/dev/null' EXIT
velmora_prefix
wineserver -k 2>/dev/null
wineserver -w

probe() { wine "$build/tests/E2EProbe.exe" "$@"; }
shot() { import -window root -display "$DISPLAY" "$out/$1.png"; }
fail() { echo "FAILED: $*"; shot failure; exit 1; }
