#!/usr/bin/env bash
# Installs what is missing, builds the program and the virtual microscope (not the tests and
# benchmarks, which scripts/test.sh builds), and starts Lumivex Pro. The build's own virtual
# microscope is offered beside any real camera, so the program shows a live picture on any
# machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
LUMIVEX_TARGETS="lumivexpro virtualscope" "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
export QT_PLUGIN_PATH="$build/plugins${QT_PLUGIN_PATH:+:$QT_PLUGIN_PATH}"
exec "$build/bin/lumivexpro"
