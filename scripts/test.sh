#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, then each fuzz target for a few
# seconds over its seed corpus and its regression inputs (FUZZ_SECONDS, 0 skips them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "${BUILD_DIR:-$root/build}" &&
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
if [ "${FUZZ_SECONDS:-5}" != 0 ]; then
  "$root/scripts/fuzz.sh" smoke "${FUZZ_SECONDS:-5}"
fi
