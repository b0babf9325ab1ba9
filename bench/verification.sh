#!/bin/bash
# Times "veridane-cli verify" (reading included) on generated bases of
# growing size: stratified bases (bench/generateur_strates.cpp: layers of
# attributes, as a real base is built) and random bases
# (bench/regles_aleatoires.cpp: premises and conclusions of every kind over
# a few thousand attributes, so that many rules conclude each attribute).
# Prints, per base, the wall and processor times, the peak memory, the time
# of "check" alone (the reading), the findings, and whether the target is
# met: 5 s at 100,000 rules, 60 s at 1,000,000. The machine is shared: the
# load average is printed first, and processor time tells what an idle
# machine would take.
#   bench/verification.sh BUILD_DIR
# Settings (environment): SIZES, KINDS ("strates aleatoire").
set -euo pipefail

BUILD=$(realpath "${1:?usage: $0 BUILD_DIR}")
WORK=$BUILD/verification
SIZES=${SIZES:-"100000 1000000"}
KINDS=${KINDS:-"strates aleatoire"}
CLI=$BUILD/src/cli/veridane-cli
STRATES=$BUILD/bench/veridane-strates
ALEATOIRES=$BUILD/bench/veridane-regles-aleatoires
export LC_ALL=C

mkdir -p "$WORK"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
echo
echo "| base | rules | findings | verify wall s | verify cpu s | peak MB | check wall s | target s | met |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|---|"
for kind in $KINDS; do
    for n in $SIZES; do
        dir=$WORK/$kind-$n
        mkdir -p "$dir"
        case $kind in
            strates) base=$dir/strates.exp
                     [ -f "$base" ] || "$STRATES" --rules "$n" --out "$dir" --name strates > /dev/null ;;
            aleatoire) base=$dir/aleatoire.rul
                       [ -f "$base" ] || "$ALEATOIRES" --rules "$n" --out "$base" > /dev/null ;;
            *) echo "unknown kind $kind" >&2; exit 2 ;;
        esac
        /usr/bin/time -f "%e %U %S %M" -o "$dir/verify.time" \
            "$CLI" verify "$base" --format json --fail-on none > "$dir/findings.json" 2> "$dir/verify.err"
        read -r wall user sys peak < "$dir/verify.time"
        /usr/bin/time -f "%e" -o "$dir/check.time" "$CLI" check "$base" > /dev/null 2>&1
        findings=$(grep -c '"id"' "$dir/findings.json" || true)
        case $n in 100000) target=5 ;; 1000000) target=60 ;; *) target=- ;; esac
        met=-
        [ "$target" = - ] || met=$(awk -v w="$wall" -v t="$target" 'BEGIN { print (w < t) ? "yes" : "NO" }')
        printf '| %s | %s | %s | %s | %s | %s | %s | %s | %s |\n' "$kind" "$n" "$findings" "$wall" \
            "$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')" "$((peak / 1024))" \
            "$(cat "$dir/check.time")" "$target" "$met"
    done
done
