#!/bin/bash
# Plots processor time against the number of rules from the results of
# compare_moteurs.sh, for each kind of base: Veridane's whole process and
# CLIPS at its best encoding (a "-" marks a base an engine was not given).
#   bench/trace_performance.sh RESULTS.tsv OUTPUT.png
set -euo pipefail
RESULTS=${1:?usage: $0 RESULTS.tsv OUTPUT.png}
PLOT=${2:?usage: $0 RESULTS.tsv OUTPUT.png}
gnuplot <<GNUPLOT
set terminal pngcairo size 820,540 font "DejaVu Sans,10"
set output "$PLOT"
set title "Load and forward chaining, whole process, processor time (one observation)"
set xlabel "rules"
set ylabel "processor time (s), log scale"
set logscale xy
set xtics ("10,000" 10000, "100,000" 100000, "1,000,000" 1000000)
set xrange [8000:1250000]
set grid
set key top left
set datafile separator "\t"
set datafile missing "-"
sel(k, c) = (strcol(1) eq k && strcol(c) ne "-") ? column(c) : 1/0
plot "$RESULTS" using 2:(sel("strates", 20)) skip 1 with linespoints lw 2 pt 7 title "Veridane, ON/OFF base", \\
     "$RESULTS" using 2:(sel("valeurs", 20)) skip 1 with linespoints lw 2 pt 7 dt 2 title "Veridane, word-value base", \\
     "$RESULTS" using 2:(sel("strates", 14)) skip 1 with linespoints lw 2 pt 5 title "CLIPS 6.30 (best encoding), ON/OFF base", \\
     "$RESULTS" using 2:(sel("valeurs", 14)) skip 1 with linespoints lw 2 pt 5 dt 2 title "CLIPS 6.30 (best encoding), word-value base"
GNUPLOT
