#!/usr/bin/env bash
# The long run of the random learner: builds with the address and undefined-behaviour
# sanitizers and drives the trainer with SEEDS seeds of EVENTS events each (by default
# 200 x 5,000 = 1,000,000 events), split into one slice a processor, run side by side.
# Prints each slice's outcome, any failure with its replay settings, and the windows
# reached with their controls used.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" libgtest-dev
seeds=${SEEDS:-200}
events=${EVENTS:-5000}
first=${FIRST_SEED:-1}
slices=$(nproc)
export QT_QPA_PLATFORM=offscreen
cmake --preset sanitize -DPPT_TRAINER_TESTS=ON >/dev/null
cmake --build --preset sanitize
out=$(mktemp -d)
per=$(((seeds + slices - 1) / slices))
pids=()
for ((k = 0; k < slices && k * per < seeds; ++k)); do
    n=$((seeds - k * per < per ? seeds - k * per : per))
    PPT_MONKEY_FIRST_SEED=$((first + k * per)) PPT_MONKEY_SEEDS=$n PPT_MONKEY_EVENTS=$events PPT_MONKEY_REPORT=1 \
        ./build/sanitize/trainer-tests --gtest_filter='*MonkeyTest.*' >"$out/slice$k.txt" 2>&1 &
    pids+=($!)
done
status=0
for k in "${!pids[@]}"; do
    if wait "${pids[$k]}"; then result=passed; else result=FAILED; status=1; fi
    echo "slice $k: $result, $(grep -m1 -E '^[0-9]+ events' "$out/slice$k.txt" || echo 'no report')"
    grep -h -A70 '^seed [0-9]*, event' "$out/slice$k.txt" || true
done
# Windows over all slices: events summed, and the fewest controls any slice used.
grep -h -E '^  Form[0-9]+: ' "$out"/slice*.txt | awk '
    { name = $1; sub(":", "", name); events[name] += $2; split($4, c, "/")
      share = c[2] > 0 ? c[1] / c[2] : 1
      if (!(name in fewest) || share < fewest[name]) { fewest[name] = share; seen[name] = $4 } }
    END { for (w in events) printf "  %-7s %8d events, controls used (fewest in a slice) %s\n", w, events[w], seen[w] }' |
    sort -V
rm -rf "$out"
exit $status
