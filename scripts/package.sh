#!/usr/bin/env bash
# Installs what is missing, builds the program and makes its Debian package in build/
# (or $BUILD_DIR): lumivexpro_<version>_amd64.deb, installed with
#   sudo apt install ./build/lumivexpro_<version>_amd64.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
LUMIVEX_TARGETS="lumivexpro translations" "$root/scripts/build.sh"
cd "${BUILD_DIR:-$root/build}"
cpack -G DEB
