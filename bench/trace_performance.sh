#!/bin/bash
# Plots wall time against the number of rules from the results of
# compare_moteurs.sh (a "-" marks a base an engine was not given).
#   bench/trace_performance.sh RESULTS.tsv OUTPUT.png
set -euo pipefail
RESULTS=${1:?usage: $0 RESULTS.tsv OUTPUT.png}
PLOT=${2:?usage: $0 RESULTS.tsv OUTPUT.png}
gnuplot <<GNUPLOT
set terminal pngcairo size 800,520 font "DejaVu Sans,10"
set output "$PLOT"
set title "Load and forward chaining, whole process (stratified rules, one observation)"
set xlabel "rules"
set ylabel "wall time (s), log scale"
set logscale xy
set xtics ("10,000" 10000, "100,000" 100000, "1,000,000" 1000000)
set xrange [8000:1250000]
set grid
set key top left
set datafile missing "-"
plot "$RESULTS" using 1:2 skip 1 with linespoints lw 2 pt 7 title "Veridane", \\
     "$RESULTS" using 1:4 skip 1 with linespoints lw 2 pt 5 title "CLIPS 6.30", \\
     "$RESULTS" using 1:6 skip 1 with linespoints lw 2 pt 9 title "plain reference engine"
GNUPLOT
