#!/usr/bin/env bash
# Makes the README's pictures from the demo, on a private display:
# docs/shell.png (the restricted desktop) and docs/quorvel.png (the
# administration program over it).
set -eu
cd "$(dirname "$0")/.."
unset DISPLAY
scripts/demo.sh shell >/dev/null
cp build/x86/demo/shell.png docs/shell.png
scripts/demo.sh both >/dev/null
cp build/x86/demo/both.png docs/quorvel.png
echo "docs/shell.png docs/quorvel.png"
