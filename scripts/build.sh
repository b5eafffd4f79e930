#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR); arguments go to the configure
# step. LUMIVEX_TARGETS="a b" builds only those targets (and what they need) instead of all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" "$@" >/dev/null
targets=()
[ -n "${LUMIVEX_TARGETS:-}" ] && read -r -a targets <<<"--target $LUMIVEX_TARGETS"
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
