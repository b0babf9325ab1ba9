#!/bin/bash
# Times a forward chaining run in the desktop program as a person starts it,
# against the command line's inference on the same project, both from
# BUILD_DIR (the build that "make run" uses).
#   bench/mesure_fenetre.sh BUILD_DIR GENERATOR_BUILD_DIR
# The project is the stratified benchmark base of RULES rules (1000000),
# written by GENERATOR_BUILD_DIR/bench/veridane-strates. Under Xvfb the
# program opens it, the Inference menu is opened, and the clock starts at
# the key of "Forward chaining" (one observation: the run starts at once)
# and stops at the last processor time the program uses before it rests for
# 0.6 s, which comes at the end of the run and the window's last painting.
# Both are measured RUNS times (3), alternately; medians, the load average
# and a screenshot of the last run's window (DIR/fenetre.png) are given.
set -euo pipefail

BUILD=$(realpath "${1:?usage: $0 BUILD_DIR GENERATOR_BUILD_DIR}")
GENERATEURS=$(realpath "${2:?usage: $0 BUILD_DIR GENERATOR_BUILD_DIR}")
RULES=${RULES:-1000000}
RUNS=${RUNS:-3}
DIR=$GENERATEURS/fenetre/$RULES
export LC_ALL=C

if [ "${3:-}" != "--dans-xvfb" ]; then
    mkdir -p "$DIR"
    [ -f "$DIR/base.exp" ] || "$GENERATEURS/bench/veridane-strates" --rules "$RULES" --out "$DIR" --name base >&2
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$BUILD" "$GENERATEURS" --dans-xvfb
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
export XDG_RUNTIME_DIR=$travail/xdg XDG_CONFIG_HOME=$travail/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

maintenant() { date +%s.%N; }
# Processor ticks (user + system) of a process.
processeur() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Waits until the process has used no processor time for 0.6 s and prints
# when it last did.
repos() {
    local dernier fin calme=0 c
    dernier=$(processeur "$1")
    fin=$(maintenant)
    while [ $calme -lt 30 ]; do
        sleep 0.02
        c=$(processeur "$1")
        if [ "$c" != "$dernier" ]; then
            dernier=$c
            fin=$(maintenant)
            calme=0
        else
            calme=$((calme + 1))
        fi
    done
    echo "$fin"
}

# One run in the window: prints "wall processor" in seconds.
fenetre() {
    "$BUILD/src/app/veridane" "$DIR/base.exp" > "$travail/veridane.log" 2>&1 &
    local programme=$! id t0 t1 c0 c1
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "Veridane" | tail -1)
    repos $programme > /dev/null
    xdotool key Return  # the project's abstract
    repos $programme > /dev/null
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key alt+i
    sleep 0.5
    c0=$(processeur $programme)
    t0=$(maintenant)
    xdotool key f
    t1=$(repos $programme)
    c1=$(processeur $programme)
    import -window root "$DIR/fenetre.png"
    kill $programme
    wait $programme 2> /dev/null || true
    echo "$t1 - $t0" | bc -l | xargs printf "%.2f "
    echo "($c1 - $c0) / $(getconf CLK_TCK)" | bc -l | xargs printf "%.2f\n"
}

# One inference on the command line: prints "wall processor" in seconds.
ligne_de_commande() {
    "$BUILD/src/cli/veridane-cli" run "$DIR/base.exp" --time 2>&1 > /dev/null |
        sed -n 's/^observation 1 inference time: \([0-9.]*\) s, processor time: \([0-9.]*\) s$/\1 \2/p' |
        xargs printf "%.2f %.2f\n"
}

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((k = 1; k <= RUNS; k++)); do
    fenetre >> "$travail/fenetre.txt"
    ligne_de_commande >> "$travail/cli.txt"
    echo "run $k: window $(tail -1 "$travail/fenetre.txt"), command line $(tail -1 "$travail/cli.txt") (wall, processor s)"
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
fw=$(cut -d' ' -f1 "$travail/fenetre.txt" | mediane)
fp=$(cut -d' ' -f2 "$travail/fenetre.txt" | mediane)
cw=$(cut -d' ' -f1 "$travail/cli.txt" | mediane)
cp=$(cut -d' ' -f2 "$travail/cli.txt" | mediane)
echo "$RULES rules, medians of $RUNS: window run $fw s wall, $fp s processor;" \
    "command line inference $cw s wall, $cp s processor"
echo "ratio: $(echo "$fw / $cw" | bc -l | xargs printf "%.2f") wall," \
    "$(echo "$fp / $cp" | bc -l | xargs printf "%.2f") processor"
