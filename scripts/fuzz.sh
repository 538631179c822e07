#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each target in turn,
# one process and one worker at a time, for the given number of executions,
# starting from its seed corpus in fuzz/corpus/<target>/.
#
#   bash scripts/fuzz.sh [runs] [target...]
#
# runs defaults to 1000000; targets are ini_engine and load_path (both by
# default). Not part of scripts/test.sh: the test suite replays the seed
# corpus with the ordinary compiler instead. A finding stops its target and
# leaves the input in build-fuzz/findings/<target>/; once the fault is
# mended, copy it into fuzz/corpus/<target>/ so that every test run replays it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-1000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini_engine load_path)

if ! command -v clang++ >/dev/null 2>&1 ||
   ! echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
     clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o /dev/null 2>/dev/null; then
  echo "fuzz: needs clang with libFuzzer; on Debian: apt-get install clang libclang-rt-dev" >&2
  exit 1
fi

build="$root/build-fuzz"
flags="-O2 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="$flags" \
  -DKRT_BUILD_GUI=OFF -DKRT_BUILD_BENCH=OFF -DKRT_BUILD_TESTS=ON -DKRT_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/krt_fuzz_}"

# The load path writes and flushes files on every execution: on tmpfs that
# costs nothing, on a disk it would take the run hours.
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_parent/krt-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  logdir="$build/logs/$target"
  mkdir -p "$corpus" "$findings" "$logdir"
  echo "== $target: $runs runs"
  start=$(date +%s)
  # New inputs go to the first corpus folder, the one in build-fuzz/; the
  # seeds in the repository are only read.
  # One job on one worker: libFuzzer runs it in a child process that writes
  # fuzz-0.log; the driver's own lines go beside it.
  (cd "$logdir" && "$build/fuzz/krt_fuzz_$target" -runs="$runs" -jobs=1 -workers=1 -max_len=4096 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$root/fuzz/corpus/$target" \
    >driver.log 2>&1) || status=1
  seconds=$(( $(date +%s) - start ))
  log="$logdir/fuzz-0.log"
  grep -E 'DONE|ERROR|finding:|SUMMARY|Test unit written' "$log" || true
  grep -E '^stat::' "$log" || true
  echo "$target: $seconds s wall; log $log; crashes in $findings"
done
exit $status
