#!/usr/bin/env bash
# Builds the program and every test with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (or $SANITIZE_BUILD_DIR) and runs the tests there. The first report of either
# sanitizer fails its test. What the sanitizers find inside libraries the project does not build
# is listed, each with its reason, in scripts/sanitize/.
#
#   scripts/sanitize.sh                 build everything, run every test
#   scripts/sanitize.sh -R tst_camera   build everything, run the tests ctest -R selects
#
# Arguments go to ctest. LUMIVEX_TARGETS="tst_a tst_b" builds only those targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-asan}
supp=$root/scripts/sanitize

if ! command -v clang++ >/dev/null; then
  echo "sanitize.sh: clang++ is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1: the sanitizers' usual trade between build time and run time.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DLUMIVEX_SANITIZE=ON -DLUMIVEX_BUILD_BENCHMARKS=OFF >/dev/null
targets=()
[ -n "${LUMIVEX_TARGETS:-}" ] && read -r -a targets <<<"--target $LUMIVEX_TARGETS"
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"

# Allocations record their whole call stack (slower): the toolkit is built without frame
# pointers, and the quick unwinder stops in it before the frame a suppression names.
asan=abort_on_error=1:strict_string_checks=1:check_initialization_order=1:detect_leaks=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-$asan:fast_unwind_on_malloc=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$supp/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-suppressions=$supp/ubsan.supp:print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen
cd "$build"
start=$(date +%s)
status=0
ctest --output-on-failure --parallel "$(nproc)" "$@" || status=$?
echo "sanitize.sh: tests ran for $(($(date +%s) - start)) s"
exit $status
