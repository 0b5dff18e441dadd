#!/usr/bin/env bash
# Runs each data file reader fuzz target for a fixed time on a writable copy
# of its seed corpus, prints per target the executions and whether a crash
# occurred, and exits non-zero when any target crashed.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -uo pipefail

if (($# != 2)); then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 64
fi
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quadrel-fuzz.XXXXXX")
echo "Fuzzing for ${seconds} s per target; corpora, logs and crash inputs in ${work}"

failed=0
summary=()
for kind in grid title; do
  target="${build}/fuzz/${kind}_reader_fuzz"
  if [[ ! -x "$target" ]]; then
    echo "missing fuzz target: ${target}" >&2
    failed=1
    summary+=("${kind}_reader_fuzz: not built")
    continue
  fi
  corpus="${work}/${kind}-corpus"
  artifacts="${work}/${kind}-artifacts"
  log="${work}/${kind}.log"
  mkdir -p "$corpus" "$artifacts"
  cp -R "${root}/tests/corpus/${kind}/." "$corpus/"

  # -timeout makes an input that hangs count as a crash; -max_len lets the
  # fuzzer grow inputs past the largest seed, across several sets.
  "$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -max_len=20000 -rss_limit_mb=2048 -artifact_prefix="${artifacts}/" >"$log" 2>&1
  status=$?

  executions=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' |
    tail -n 1)
  crashes=$(find "$artifacts" -type f | wc -l)
  if ((status != 0 || crashes > 0)); then
    failed=1
    result="CRASH (exit ${status}, ${crashes} crash input(s) in ${artifacts})"
    grep -E 'ERROR|check failed|SUMMARY' "$log" | head -n 20 >&2
  else
    result="no crash"
  fi
  summary+=("${kind}_reader_fuzz: ${executions:-0} executions, ${result}")
done

echo
for line in "${summary[@]}"; do echo "$line"; done
exit "$failed"
