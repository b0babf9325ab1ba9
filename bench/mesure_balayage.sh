#!/bin/bash
# Times "veridane-cli sweep --all" on the stratified benchmark base whose
# rules carry PRIORITIES distinct priorities (one run per interval between
# them, per observation), and prints wall and processor time, peak memory
# and the load average of the machine before and after.
#   bench/mesure_balayage.sh BUILD_DIR
# Settings (environment): RULES (100000), PRIORITIES (20), OBSERVATIONS (1,
# as the engine comparison's base; more to sweep several).
set -euo pipefail

BUILD=$(realpath "${1:?usage: $0 BUILD_DIR}")
RULES=${RULES:-100000}
PRIORITIES=${PRIORITIES:-20}
OBSERVATIONS=${OBSERVATIONS:-1}
CLI=$BUILD/src/cli/veridane-cli
GEN=$BUILD/bench/veridane-strates
DIR=$BUILD/balayage/$RULES-$PRIORITIES-$OBSERVATIONS
export LC_ALL=C

mkdir -p "$DIR"
[ -f "$DIR/balayage.exp" ] ||
    "$GEN" --rules "$RULES" --priorities "$PRIORITIES" --observations "$OBSERVATIONS" --out "$DIR" --name balayage >&2

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
/usr/bin/time -f "wall %e s, user %U s, system %S s, peak %M KB" -o "$DIR/time.txt" \
    "$CLI" sweep "$DIR/balayage.exp" --all > "$DIR/sweep.txt"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "$RULES rules, $PRIORITIES priorities, $OBSERVATIONS observation(s):" \
    "$(grep -c 'rules take part' "$DIR/sweep.txt") runs"
cat "$DIR/time.txt"
