#!/usr/bin/env bash
# Walks random window sessions for MINUTES minutes, seeds counting up from SEED (by default one taken
# from the clock), every invariant checked after each step. Prints each finding, shrinks the first of
# each invariant into a session folder under build/findings/ (once: remove the folder to have another),
# and ends with the gestures per second and the findings by invariant. A walk that hangs the window ends
# its process: it is shrunk likewise and the soak goes on with the next seed. Exits 1 on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
minutes=${1:?usage: scripts/soak.sh MINUTES [SEED]}
seed=${2:-$(($(date +%s) % 1000000))}
build=${RIPADES_BUILD:-build}
findings=$build/findings
[ -x "$build/bin/window_walks" ] || scripts/build.sh
mkdir -p "$findings"
log=$findings/soak.log
: >"$log"
export QT_QPA_PLATFORM=offscreen
end=$(($(date +%s) + minutes * 60))
while [ "$(date +%s)" -lt "$end" ]; do
  "$build/bin/window_walks" --soak $((end - $(date +%s))) --seed "$seed" --findings "$findings" 2>/dev/null |
    grep -v '^\[' | tee -a "$log"
  [ "${PIPESTATUS[0]}" -eq 3 ] || break
  hung=$(sed -n 's/^# seed //p' "$findings/hang.walk")
  echo "walked seed $hung: $(grep -vc '^#' "$findings/hang.walk") gestures in 2 s (hung)" >>"$log"
  mv "$findings/hang.walk" "$findings/hang-seed-$hung.walk"
  ls -d "$findings"/window-answers-within-2s-seed-* >/dev/null 2>&1 ||
    "$build/bin/window_walks" --shrink "$findings/hang-seed-$hung.walk" --findings "$findings" 2>/dev/null |
    grep -v '^\[' | tee -a "$log"
  seed=$((hung + 1))
done
awk '/^walked seed/ { gestures += $4; seconds += $7; walks++ }
     /^walked seed.*hung/ { hung++ }
     /^FINDING/ { sub(":", "", $2); found[$2]++ }
     END {
       rate = seconds > 0 ? gestures / seconds : 0
       printf("%d walks (%d hung), %d gestures in %.0f s of walking: %.0f gestures per second\n", walks, hung,
              gestures, seconds, rate)
       for (name in found) { printf("  %s: %d findings\n", name, found[name]); listed++ }
       if (!listed) print "  no findings"
     }' "$log"
! grep -q '^FINDING' "$log"
