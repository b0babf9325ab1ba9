#!/bin/bash
# Compares whole processes, load and inference, on two kinds of stratified
# rules base of growing size: Veridane's command-line program, the plain
# reference engine (same reader, no index) and the CLIPS shell with the base
# written in two encodings (ordered facts and a deftemplate). Every engine
# deduces the facts of one observation; the script stops if any two that ran
# deduce different sets. It prints the tables (median of RUNS) and rewrites
# the generated part of docs/performance.md and its plot.
#   bench/compare_moteurs.sh BUILD_DIR
# Settings (environment): SIZES, KINDS, RUNS, CLIPS_MAX (bases above it are
# not given to CLIPS: its loading grows with the square of the rules; a
# measurement recorded in bench/mesures/ is shown instead), CLIPS_REPEAT_MAX
# (above it CLIPS runs once), REF_MAX (the same for the reference engine),
# DOC (the page to update; empty for none), PLOT (PNG; empty for none).
set -euo pipefail

SOURCES=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath "${1:?usage: $0 BUILD_DIR}")
WORK=$BUILD/comparaison
SIZES=${SIZES:-"10000 100000 1000000"}
KINDS=${KINDS:-"strates valeurs"}
RUNS=${RUNS:-3}
CLIPS_MAX=${CLIPS_MAX:-100000}
CLIPS_REPEAT_MAX=${CLIPS_REPEAT_MAX:-10000}
REF_MAX=${REF_MAX:-100000}
DOC=${DOC-$SOURCES/docs/performance.md}
PLOT=${PLOT-$SOURCES/docs/performance.png}
RECORDED=$SOURCES/bench/mesures
CLI=$BUILD/src/cli/veridane-cli
GEN=$BUILD/bench/veridane-strates
REF=$BUILD/bench/veridane-bench-reference
MEM=$BUILD/bench/veridane-bench-memoire
export LC_ALL=C

mkdir -p "$WORK"
RESULTS=$WORK/results.tsv
printf 'kind\trules\tfacts\topen_s\tinference_s\tveridane_s\tveridane_mb\tbytes_rule\tclips_ordered_cpu\tclips_template_cpu\tclips_best\tclips_load_cpu\tclips_run_cpu\tclips_cpu\tclips_mb\treference_s\treference_mb\topen_cpu\tinference_cpu\tveridane_cpu\tclips_s\n' > "$RESULTS"
: > "$WORK/recorded.txt"

# The generator's options for each kind of base.
options_kind() {
    case "$1" in
        strates) echo "" ;;
        valeurs) echo "--values 4 --premises 4" ;;
        *) echo "unknown kind of base: $1" >&2; exit 2 ;;
    esac
}

# median FILE: the line of FILE whose first field is the median.
median() { sort -n "$1" | sed -n "$((($(wc -l < "$1") + 1) / 2))p"; }

# run_timed OUT ERR CMD...: runs CMD once and prints "seconds megabytes
# processor_seconds".
run_timed() {
    local out=$1 err=$2; shift 2
    /usr/bin/time -f "%e %M %U %S" -o "$WORK/time.txt" "$@" > "$out" 2> "$err" < /dev/null
    awk '{printf "%.2f %.0f %.2f\n", $1, $2 / 1024, $3 + $4}' "$WORK/time.txt"
}

# The facts of Veridane's text output: the initial data (upper area) and the
# deduced data, each written after one blank.
veridane_facts() { grep -E '^ [^ ]' "$1" | sed 's/^ //' | sort -u; }
# The shell's facts: every line but the timing line.
clips_facts() { grep -v '^%' "$1" | sort -u; }

# Veridane, RUNS times: "open inference total megabytes open_cpu
# inference_cpu total_cpu" of the median run (wall and processor seconds).
measure_veridane() {
    local dir=$1 runs=$WORK/veridane.runs
    : > "$runs"
    for ((i = 0; i < RUNS; i++)); do
        read -r s m c < <(run_timed "$dir/veridane.txt" "$dir/veridane.err" "$CLI" run "$dir/base.exp" --time)
        local phases
        phases=$(awk '/^load time:/ {o = $3; oc = $7} / inference time:/ {i = $5; ic = $9} END {print o, i, oc, ic}' "$dir/veridane.err")
        echo "$s $m $c $phases" >> "$runs"
    done
    median "$runs" | awk '{printf "%.3f %.3f %s %s %.4f %.4f %s\n", $4, $5, $1, $2, $6, $7, $3}'
}

# The shell on one encoding: "total megabytes load run processor", measured
# now (load and run by the shell's own clock, which counts processor time), or
# recorded earlier in bench/mesures for a base too large to run here.
measure_clips() {
    local kind=$1 n=$2 dir=$3 enc=$4 driver=base-run.clp
    [ "$enc" = template ] && driver=base-t-run.clp
    local recorded=$RECORDED/$kind-$n-clips-$enc
    if [ "$n" -gt "$CLIPS_MAX" ]; then
        [ -f "$recorded.measure" ] || { echo "- - - - -"; return; }
        zcat "$recorded.facts.gz" > "$dir/clips-$enc.facts"
        # Line 1: the figures; line 2: when and how they were taken.
        head -n 1 "$recorded.measure"
        echo "- $kind, $n rules, $enc: $(sed -n 2p "$recorded.measure")" >> "$WORK/recorded.txt"
        return
    fi
    local runs=$RUNS runfile=$WORK/clips.runs
    [ "$n" -gt "$CLIPS_REPEAT_MAX" ] && runs=1
    : > "$runfile"
    for ((i = 0; i < runs; i++)); do
        read -r s m c < <(cd "$dir" && run_timed "clips-$enc.txt" "clips-$enc.err" clips -f2 "$driver")
        read -r load run < <(awk '/^%phases/ {printf "%.4f %.4f\n", $3, $5}' "$dir/clips-$enc.txt")
        echo "$s $m $load $run $c" >> "$runfile"
    done
    clips_facts "$dir/clips-$enc.txt" > "$dir/clips-$enc.facts"
    median "$runfile"
}

for kind in $KINDS; do
    for n in $SIZES; do
        dir=$WORK/$kind/$n
        mkdir -p "$dir"
        # shellcheck disable=SC2046
        [ -f "$dir/base.exp" ] || "$GEN" --rules "$n" $(options_kind "$kind") --out "$dir" --name base > /dev/null
        echo "== $kind, $n rules" >&2

        read -r vo vi vs vm voc vic vsc < <(measure_veridane "$dir")
        veridane_facts "$dir/veridane.txt" > "$dir/veridane.facts"
        facts=$(wc -l < "$dir/veridane.facts")
        bytes=$("$MEM" "$dir/base.exp" | awk '/^model and compiled form:/ {print $5}')
        agree=yes

        declare -A clips=()
        for enc in ordered template; do
            read -r s m load run c < <(measure_clips "$kind" "$n" "$dir" "$enc")
            clips[$enc]="$c $m $load $run $s"
            if [ "$s" != - ]; then
                cmp -s "$dir/veridane.facts" "$dir/clips-$enc.facts" ||
                    { agree=no; echo "CLIPS ($enc facts) deduces other facts: $kind, $n rules" >&2; }
            fi
        done
        # CLIPS at its best: the encoding with the shorter whole process, in
        # processor time (the machine is shared; the wall says more of the
        # other work than of the engine).
        best=-
        for enc in ordered template; do
            read -r s _ < <(echo "${clips[$enc]}")
            [ "$s" = - ] && continue
            if [ "$best" = - ] || awk -v a="$s" -v b="$(echo "${clips[$best]}" | cut -d' ' -f1)" 'BEGIN {exit !(a < b)}'; then
                best=$enc
            fi
        done
        cs=- cm=- cl=- cr=- cw=-
        [ "$best" != - ] && read -r cs cm cl cr cw < <(echo "${clips[$best]}")

        rs=- rm=-
        if [ "$n" -le "$REF_MAX" ]; then
            read -r rs rm _ < <(run_timed "$dir/reference.txt" "$dir/reference.err" "$REF" "$dir/base.exp")
            sort -u "$dir/reference.txt" > "$dir/reference.facts"
            cmp -s "$dir/veridane.facts" "$dir/reference.facts" ||
                { agree=no; echo "the reference engine deduces other facts: $kind, $n rules" >&2; }
        fi
        [ "$agree" = yes ] || exit 1
        co=$(echo "${clips[ordered]}" | cut -d' ' -f1)
        ct=$(echo "${clips[template]}" | cut -d' ' -f1)
        printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$kind" "$n" \
            "$facts" "$vo" "$vi" "$vs" "$vm" "$bytes" "$co" "$ct" "$best" "$cl" "$cr" "$cs" "$cm" "$rs" "$rm" \
            "$voc" "$vic" "$vsc" "$cw" >> "$RESULTS"
        unset clips
    done
done

# The generated part of the page: between its two marker lines.
bash "$SOURCES/bench/tables_performance.sh" "$RESULTS" > "$WORK/tables.md"
if [ -s "$WORK/recorded.txt" ]; then
    {
        echo
        echo "CLIPS figures above CLIPS_MAX rules are not measured by this run but read from"
        echo "bench/mesures/ (its facts compared like the others):"
        echo
        cat "$WORK/recorded.txt"
    } >> "$WORK/tables.md"
fi
cat "$WORK/tables.md"
if [ -n "$DOC" ]; then
    debut='<!-- generated by make bench: start -->'
    fin='<!-- generated by make bench: end -->'
    grep -qF "$debut" "$DOC" && grep -qF "$fin" "$DOC" || { echo "no markers in $DOC" >&2; exit 1; }
    awk -v debut="$debut" -v fin="$fin" -v tables="$WORK/tables.md" '
        $0 == debut { print; while ((getline ligne < tables) > 0) print ligne; dedans = 1; next }
        $0 == fin { dedans = 0 }
        !dedans' "$DOC" > "$WORK/page.md"
    cp "$WORK/page.md" "$DOC"
    echo "Updated: $DOC"
fi
if [ -n "$PLOT" ]; then
    bash "$SOURCES/bench/trace_performance.sh" "$RESULTS" "$PLOT"
    echo "Plot: $PLOT"
fi
