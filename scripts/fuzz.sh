#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for the given
# number of seconds (default 60), one after the other, starting from the
# seeds in fuzz/corpus/<target>/. Prints the executions, the coverage and
# the findings of every target; the exit code is non-zero when anything
# was found. Inputs that broke something are kept in
# build-fuzz/findings/<target>/ (reproduce one: build-fuzz/fuzz/<target> FILE).
#
#   scripts/fuzz.sh [seconds]        FUZZ_TARGETS="logger_fuzz csv_reader_fuzz" scripts/fuzz.sh 30
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAQUENDOR_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
flock /tmp/aquendor-build.lock cmake --build build-fuzz -j2 --target fuzz_all

# The file targets write and sync thousands of small files a second: a
# folder in memory keeps them from waiting on the disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

targets="${FUZZ_TARGETS:-$(cd fuzz/corpus && ls -d *_fuzz)}"
# The store takes a few thousand bytes before a full store is reached.
max_len() { case "$1" in settings_store_fuzz) echo 16384 ;; *) echo 4096 ;; esac; }

printf '%-26s %14s %10s %8s %9s\n' target executions coverage corpus findings
found=0
for target in $targets; do
  # Absolute paths: a target may change its working folder.
  work="$PWD/build-fuzz/corpus/$target" findings="$PWD/build-fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  log="build-fuzz/findings/$target.log"
  before=$(find "$findings" -type f | wc -l)
  status=0
  "build-fuzz/fuzz/$target" "$work" "$PWD/fuzz/corpus/$target" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$target")" \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || status=$?
  after=$(find "$findings" -type f | wc -l)
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1 || true)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2 || true)
  new=$((after - before))
  [ "$status" -ne 0 ] && [ "$new" -eq 0 ] && new=1
  [ "$new" -gt 0 ] && found=1
  printf '%-26s %14s %10s %8s %9s\n' "$target" "${executions:-?}" "${coverage:-?}" \
    "$(ls "$work" | wc -l)" "$new"
  if [ "$new" -gt 0 ]; then
    grep -E -m 3 'rule broken|ERROR: |SUMMARY' "$log" | sed 's/^/    /' || true
  fi
done
if [ "$found" -ne 0 ]; then
  echo "Findings: see build-fuzz/findings/ (the log of each target beside its folder)." >&2
  exit 1
fi
echo "No findings."
