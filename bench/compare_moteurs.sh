#!/bin/bash
# Compares whole processes, load and inference, on stratified rules bases of
# growing size: Veridane's command-line program, the plain reference engine
# (same reader, no index) and the CLIPS shell. Each deduces the facts of one
# observation; the script checks that all three deduce exactly the same set,
# and prints wall time (median of RUNS) and peak memory (/usr/bin/time).
#   bench/compare_moteurs.sh BUILD_DIR
# Settings (environment): SIZES, RUNS, CLIPS_MAX (bases above it are not
# given to CLIPS: its load time grows with the square of the rules),
# CLIPS_REPEAT_MAX (above it CLIPS runs once), REF_MAX (the same for the
# reference engine), PLOT (PNG written by gnuplot; empty for none).
set -euo pipefail

BUILD=$(realpath "${1:?usage: $0 BUILD_DIR}")
WORK=$BUILD/comparaison
SIZES=${SIZES:-"10000 100000 1000000"}
RUNS=${RUNS:-3}
CLIPS_MAX=${CLIPS_MAX:-100000}
CLIPS_REPEAT_MAX=${CLIPS_REPEAT_MAX:-10000}
REF_MAX=${REF_MAX:-100000}
PLOT=${PLOT-docs/performance.png}
CLI=$BUILD/src/cli/veridane-cli
GEN=$BUILD/bench/veridane-strates
REF=$BUILD/bench/veridane-bench-reference
MEM=$BUILD/bench/veridane-bench-memoire
export LC_ALL=C

mkdir -p "$WORK"
RESULTS=$WORK/results.tsv
printf 'rules\tveridane_s\tveridane_mb\tclips_s\tclips_mb\treference_s\treference_mb\tfacts\n' > "$RESULTS"

# measure N OUT CMD...: runs CMD N times with its standard output in OUT and
# prints "median_seconds peak_megabytes" (peak of the median run).
measure() {
    local runs=$1 out=$2; shift 2
    local t=$WORK/time.txt all=()
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f "%e %M" -o "$t" "$@" > "$out" 2> "$WORK/stderr.txt" < /dev/null
        all+=("$(cat "$t")")
    done
    printf '%s\n' "${all[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p" | awk '{printf "%.2f %.0f\n", $1, $2 / 1024}'
}

# The facts of Veridane's text output: the initial data (upper area) and the
# deduced data, each written after one blank.
veridane_facts() { grep -E '^ [^ ]' "$1" | sed 's/^ //' | sort -u; }

for n in $SIZES; do
    dir=$WORK/$n
    mkdir -p "$dir"
    [ -f "$dir/strates.exp" ] || "$GEN" --rules "$n" --out "$dir" --name strates > /dev/null
    echo "== $n rules" >&2

    read -r vs vm < <(measure "$RUNS" "$dir/veridane.txt" "$CLI" run "$dir/strates.exp")
    veridane_facts "$dir/veridane.txt" > "$dir/veridane.facts"
    facts=$(wc -l < "$dir/veridane.facts")
    agree=yes

    cs=- cm=-
    if [ "$n" -le "$CLIPS_MAX" ]; then
        runs=$RUNS; [ "$n" -gt "$CLIPS_REPEAT_MAX" ] && runs=1
        (cd "$dir" && read -r s m < <(measure "$runs" clips.txt clips -f2 strates-run.clp) && echo "$s $m" > clips.measure)
        read -r cs cm < "$dir/clips.measure"
        sort -u "$dir/clips.txt" > "$dir/clips.facts"
        cmp -s "$dir/veridane.facts" "$dir/clips.facts" || { agree=no; echo "CLIPS deduces other facts at $n rules" >&2; }
    fi

    rs=- rm=-
    if [ "$n" -le "$REF_MAX" ]; then
        read -r rs rm < <(measure 1 "$dir/reference.txt" "$REF" "$dir/strates.exp")
        sort -u "$dir/reference.txt" > "$dir/reference.facts"
        cmp -s "$dir/veridane.facts" "$dir/reference.facts" || { agree=no; echo "the reference engine deduces other facts at $n rules" >&2; }
    fi
    [ "$agree" = yes ] || exit 1
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$n" "$vs" "$vm" "$cs" "$cm" "$rs" "$rm" "$facts" >> "$RESULTS"
done

echo
echo "| rules | facts | Veridane s | Veridane MB | CLIPS s | CLIPS MB | CLIPS / Veridane time | reference s | reference MB |"
echo "|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
tail -n +2 "$RESULTS" | awk -F'\t' '{
    ratio = ($4 == "-") ? "-" : sprintf("%.0fx", $4 / ($2 > 0 ? $2 : 0.01));
    printf "| %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", $1, $8, $2, $3, $4, $5, ratio, $6, $7 }'
echo "All engines that ran deduced the same facts."

largest=$(echo "$SIZES" | tr ' ' '\n' | sort -n | tail -1)
echo
echo "Model held after opening the $largest-rule project:"
"$MEM" "$WORK/$largest/strates.exp"

if [ -n "$PLOT" ]; then
    bash "$(dirname "$0")/trace_performance.sh" "$RESULTS" "$PLOT"
    echo "Plot: $PLOT"
fi
