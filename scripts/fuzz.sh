#!/usr/bin/env bash
# Builds and runs the libFuzzer targets of fuzz/ with clang, in build-fuzz/ (or $FUZZ_BUILD_DIR).
#
#   scripts/fuzz.sh build                    configure and build every target
#   scripts/fuzz.sh smoke [seconds]          each target briefly (default 5 s) over its seed
#                                            corpus and its regression inputs; fails on a crash
#   scripts/fuzz.sh run TARGET [seconds] [libFuzzer options...]
#                                            a long campaign (default 600 s); the growing corpus
#                                            stays in build-fuzz/corpus/TARGET, crashing inputs
#                                            land in build-fuzz/crashes/TARGET
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
mode=${1:-smoke}

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

build_targets() {
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
}

# Every target has a seed corpus folder named after it.
targets() {
  for dir in "$root"/fuzz/corpus/*/; do basename "$dir"; done
}

# Leaks are not checked: the toolkit keeps caches for the life of the process.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

case "$mode" in
build)
  build_targets
  ;;
smoke)
  seconds=${2:-5}
  build_targets
  status=0
  for target in $(targets); do
    work=$(mktemp -d)
    inputs=("$root/fuzz/corpus/$target")
    [ -d "$root/fuzz/regressions/$target" ] && inputs+=("$root/fuzz/regressions/$target")
    echo "== $target: ${seconds}s over ${inputs[*]#$root/}"
    # New inputs go to the scratch folder (first); the repository's folders are only read.
    if ! "$build/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 \
        -artifact_prefix="$work/" "$work" "${inputs[@]}" >"$work/log" 2>&1; then
      tail -n 60 "$work/log"
      echo "== $target FAILED; the input is in $work" >&2
      status=1
      continue
    fi
    grep -E "^(Done|#[0-9]+ *DONE)" "$work/log" | tail -n 1 || true
    rm -rf "$work"
  done
  exit $status
  ;;
run)
  target=${2:?usage: fuzz.sh run TARGET [seconds] [libFuzzer options...]}
  seconds=${3:-600}
  shift $(($# < 3 ? $# : 3))
  build_targets
  corpus="$build/corpus/$target"
  crashes="$build/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  inputs=("$root/fuzz/corpus/$target")
  [ -d "$root/fuzz/regressions/$target" ] && inputs+=("$root/fuzz/regressions/$target")
  exec "$build/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$@" "$corpus" "${inputs[@]}"
  ;;
*)
  echo "usage: fuzz.sh build | smoke [seconds] | run TARGET [seconds] [options...]" >&2
  exit 2
  ;;
esac
