#!/usr/bin/env bash
# The window's start-up: from process start to the main window's first
# paint, offscreen. Prints the median and the spread of RUNS runs.
set -euo pipefail
quadrel=${1:?usage: startup.sh QUADREL [RUNS]}
runs=${2:-21}
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  QT_QPA_PLATFORM=offscreen QUADREL_EXIT_WHEN_SHOWN=1 "$quadrel" 2>/dev/null
  end=$(date +%s%N)
  times+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
ms() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }
echo "window start-up (process start to first paint, offscreen, $runs runs):" \
  "median $(ms "${sorted[$((runs / 2))]}") ms, fastest $(ms "${sorted[0]}") ms," \
  "slowest $(ms "${sorted[$((runs - 1))]}") ms; goal under 300 ms:" \
  "$([ "${sorted[$((runs / 2))]}" -lt 300000 ] && echo PASS || echo FAIL)"
