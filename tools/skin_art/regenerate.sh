#!/usr/bin/env bash
# Redraws the skin's images into shell/skin/ with the generator in this folder.
# Usage: tools/skin_art/regenerate.sh [build folder]   (default build/skin-art)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/skin-art}
cd "$root"
scripts/install-deps.sh
cmake --preset linux -B "$build" >/dev/null
cmake --build "$build" --target skin_art -j2
"$build/tools/skin_art/skin_art" "$root/shell/skin"
echo "images written to $root/shell/skin"
