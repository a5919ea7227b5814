#!/usr/bin/env bash
# Both plots of a start-up session drawn into a PostScript file, timed side
# by side with gnuplot drawing the same two pages: the stress polygon (three
# filled regimes, the two Sv lines, one breakout and one fracture line,
# labelled axes, caption and parameter columns) and stress against depth
# (Pf, Sv, Shmax and Shmin). The runs alternate; the median wall time of
# each, timed by bench/time_commands around spawn and wait only, is reported
# with its fastest and slowest run and the size of the file it wrote.
#
# usage: bench/plots_vs_gnuplot.sh [program] [runs]
#   program  the built executable (default build/src/varnholt_pk); the timer
#            is taken from the same build (-DVPK_BENCHMARKS=ON)
#   runs     runs of each (default 15, at least 10)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
exe="$(realpath "${1:-$root/build/src/varnholt_pk}")"
timer="$(dirname "$exe")/../bench/time_commands"
runs="${2:-15}"
[ "$runs" -ge 10 ] || { echo "at least 10 runs" >&2; exit 2; }
command -v gnuplot >/dev/null || { echo "gnuplot is not installed (apt-get install gnuplot-nox)" >&2; exit 2; }
[ -x "$exe" ] || { echo "no program at $exe" >&2; exit 2; }
[ -x "$timer" ] || { echo "no timer at $timer (configure with -DVPK_BENCHMARKS=ON, build time_commands)" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The program: the header's Return, then the command-file menu starts
# plots.cmd, which opens bench.ps, draws 100 and then 200 on a new page, and
# quits; the file is closed at the quit.
printf '\n5000\n5001\nplots.cmd\n' >keyboard.txt
printf '10\n\nbench.ps\n100\n2\n200\n0\n9999\n\n' >plots.cmd

# gnuplot: the same two pages, with the start-up values worked out.
cat >plots.gp <<'EOF'
set terminal postscript portrait color solid "Helvetica" 10
set output "gnuplot.ps"
$azure << EOD
13.020 13.020
13.020 24.819
24.819 24.819
13.020 13.020
EOD
$green << EOD
13.020 24.819
24.819 79.996
24.819 24.819
13.020 24.819
EOD
$orange << EOD
24.819 79.996
79.996 79.996
24.819 24.819
24.819 79.996
EOD
$lines << EOD
24.819 0
24.819 100

0 24.819
100 24.819

0 39.873
100 73.207

3.207 0
36.540 100
EOD
set label 1 "Run on 2024-09-13 at 10:11:12" at screen 0.5, 0.97 center
set label 2 "System : Linux_6.1.0 x86" at screen 0.5, 0.955 center
set label 3 "varnholt_pk_1.5 Command = 100" at screen 0.5, 0.94 center
set label 4 "Total stress" at screen 0.5, 0.90 center font ",14"
set label 5 "Depth = 1000.00 m" at screen 0.85, 0.97 right
set label 6 "depth top overburden = 0.00 m" at screen 0.85, 0.955 right
set label 7 "depth top water = 0.00 m" at screen 0.85, 0.94 right
set label 8 "Rock wet density = 2530.0 kg/m3" at screen 0.85, 0.925 right
set label 9 "Rock dry density = 2430.0 kg/m3" at screen 0.85, 0.91 right
set label 10 "Water density = 1000.0 kg/m3" at screen 0.85, 0.895 right
set label 11 "Sv = 24.819 MPa" at screen 0.15, 0.97 left
set label 12 "Pf = 9.810 MPa" at screen 0.15, 0.955 left
set label 13 "Mu = 0.850" at screen 0.15, 0.94 left
set label 14 "Phi0 = 40.365 degrees" at screen 0.15, 0.925 left
set label 15 "K13 = 4.676" at screen 0.15, 0.91 left
set label 16 "C = 100.00 MPa" at screen 0.15, 0.895 left
set label 17 "T = 10.00 MPa" at screen 0.15, 0.88 left
set size square 0.75, 0.6
set origin 0.12, 0.25
set xrange [0:100]
set yrange [0:100]
set xtics 10
set ytics 10
set mxtics 5
set mytics 5
set xlabel "Shmin (MPa)"
set ylabel "Shmax (MPa)"
unset key
plot $azure with filledcurves closed fc rgb "#0080ff", \
     $green with filledcurves closed fc rgb "#00ff00", \
     $orange with filledcurves closed fc rgb "#ff8000", \
     $lines with lines lc rgb "black"
unset label 4
set label 3 "varnholt_pk_1.5 Command = 200"
set label 4 "Total stress" at screen 0.5, 0.90 center font ",14"
$depth << EOD
0 0
49.05 5000

0 0
0 0
124.10 5000

0 0
0 0
399.98 5000

0 0
0 0
65.10 5000
EOD
set size nosquare 0.75, 0.75
set origin 0.12, 0.1
set xrange [0:500]
set yrange [5000:0]
set xtics 100
set ytics 1000
set xlabel "Stress (MPa)"
set ylabel "Depth (m)"
plot $depth with lines lc rgb "black"
EOF

# Every run starts from no plot file and, for the program, no settings file,
# as a first run does.
times=$("$timer" "$runs" \
  -- --remove=bench.ps --remove=vondt9_ini.txt keyboard.txt "$exe" \
  -- --remove=gnuplot.ps /dev/null gnuplot plots.gp)
read -r p p_min p_max g g_min g_max <<<"${times//$'\n'/ }"

[ -s bench.ps ] || { echo "the program wrote no plot file" >&2; exit 1; }
pages() { grep -c '^%%Page:' "$1"; }
printf '%-12s %10s %16s %12s %6s\n' "" "median ms" "fastest-slowest" "file bytes" "pages"
printf '%-12s %10s %16s %12s %6s\n' varnholt_pk "$p" "$p_min-$p_max" "$(stat -c %s bench.ps)" "$(pages bench.ps)"
printf '%-12s %10s %16s %12s %6s\n' gnuplot "$g" "$g_min-$g_max" "$(stat -c %s gnuplot.ps)" "$(pages gnuplot.ps)"
awk -v p="$p" -v g="$g" 'BEGIN {printf "gnuplot / varnholt_pk = %.2f\n", g / p}'
