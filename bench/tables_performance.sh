#!/bin/bash
# The tables of the latest comparison (results of compare_moteurs.sh) in
# Markdown, with the headline: the LESS favourable of the CLIPS / Veridane
# ratios, over both kinds of base, at the largest size where CLIPS ran on
# both.
#   bench/tables_performance.sh RESULTS.tsv
set -euo pipefail
RESULTS=${1:?usage: $0 RESULTS.tsv}
export LC_ALL=C

echo
echo "Run of $(date -u '+%Y-%m-%d %H:%M UTC'); load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
echo "Bases: \`strates\` (ON/OFF, 1 to 3 premises, about two rules per deduced"
echo "attribute) and \`valeurs\` (words V0 to V3, 1 to 4 premises, many rules per"
echo "attribute). CLIPS is shown at its faster encoding for each base and size."
echo "Times are processor seconds (user + system, every thread) unless marked wall:"
echo "on a machine shared with other work the wall clock measures the queue."
awk -F'\t' '
NR == 1 { next }
{
    n++; kind[n] = $1; rules[n] = $2; facts[n] = $3; open[n] = $4; inf[n] = $5; tot[n] = $6; mb[n] = $7
    bytes[n] = $8; cord[n] = $9; ctpl[n] = $10; best[n] = $11; cload[n] = $12; crun[n] = $13; ctot[n] = $14
    cmb[n] = $15; rs[n] = $16; rm[n] = $17; ocpu[n] = $18; icpu[n] = $19; tcpu[n] = $20; cwall[n] = $21
}
# A time too short for the clocks (0) gives no ratio.
function ratio(a, b) { return (a == "-" || b == "-" || b <= 0) ? "-" : sprintf("%.1fx", a / b) }
function nombre(x,   s) { s = sprintf("%d", x); while (s ~ /[0-9][0-9][0-9][0-9]/) sub(/[0-9][0-9][0-9]($|,)/, ",&", s); return s }
END {
    print ""
    print "**Veridane**, whole process `veridane-cli run base.exp --time` (median of the runs):"
    print ""
    print "| base | rules | facts | open s | inference s | whole process s | processor s: open, inference, whole | peak MB | bytes/rule (model + compiled form) |"
    print "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
    for (i = 1; i <= n; i++)
        printf "| %s | %s | %s | %s | %s | %s | %s, %s, %s | %s | %s |\n", kind[i], nombre(rules[i]), nombre(facts[i]), open[i], inf[i], tot[i], ocpu[i], icpu[i], tcpu[i], mb[i], bytes[i]
    print ""
    print "**CLIPS 6.30**, whole process `clips -f2` (load, reset, run, list the facts), processor seconds; load and reset+run from its own clock (processor time):"
    print ""
    print "| base | rules | ordered facts s | deftemplate s | best encoding | load s | reset+run s | whole process s (wall) | peak MB | reference engine s (wall) |"
    print "|---|---:|---:|---:|---|---:|---:|---:|---:|---:|"
    for (i = 1; i <= n; i++)
        printf "| %s | %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", kind[i], nombre(rules[i]), cord[i], ctpl[i], best[i], cload[i], crun[i], cwall[i], cmb[i], rs[i]
    print ""
    print "**Ratios**, CLIPS at its best encoding over Veridane, processor time (above 1: Veridane is faster):"
    print ""
    print "| base | rules | whole process | inference (CLIPS reset+run / Veridane inference) |"
    print "|---|---:|---:|---:|"
    # The headline compares the bases: it is taken at the largest size where
    # CLIPS ran on every kind of base.
    for (i = 1; i <= n; i++) { kinds[kind[i]] = 1; if (ctot[i] != "-") ran[rules[i]]++ }
    nkinds = 0
    for (k in kinds) nkinds++
    plus = 0
    for (r in ran) if (ran[r] == nkinds && r + 0 > plus) plus = r + 0
    headline = ""; pire = -1
    for (i = 1; i <= n; i++) {
        printf "| %s | %s | %s | %s |\n", kind[i], nombre(rules[i]), ratio(ctot[i], tcpu[i]), ratio(crun[i], icpu[i])
        if (ctot[i] == "-" || rules[i] != plus) continue
        if (tcpu[i] > 0) {
            r = ctot[i] / tcpu[i]
            if (pire < 0 || r < pire) { pire = r; headline = sprintf("%s base, whole process: %.1fx", kind[i], r) }
        }
        if (icpu[i] > 0) {
            q = crun[i] / icpu[i]
            if (pire < 0 || q < pire) { pire = q; headline = sprintf("%s base, inference against reset+run: %.1fx", kind[i], q) }
        }
    }
    print ""
    if (headline != "")
        printf "**Headline, the less favourable ratio at %s rules, the largest size where CLIPS ran on every base: %s** (CLIPS time over Veridane time).\n", nombre(plus), headline
    print ""
    print "Every engine that ran deduced the same facts as Veridane (sorted fact sets compared at each size)."
}' "$RESULTS"
