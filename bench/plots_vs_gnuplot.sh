#!/usr/bin/env bash
# Both plots of a start-up session drawn into a PostScript file, timed side
# by side with gnuplot drawing the same two pages: the stress polygon (three
# filled regimes, the two Sv lines, one breakout and one fracture line) and
# stress against depth (Pf, Sv, Shmax and Shmin), each under the program's
# header (run, system, command, title and the two parameter columns) in a
# box numbered and titled on all four sides. The runs alternate; the median wall time of
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

# gnuplot: the same two pages, with the start-up values worked out, laid out
# on the A4 page where the program puts them: the header and its three
# columns, the title, and each box numbered and titled on all four sides.
# Texts are plain, as the program draws them (no subscripts for "_"). The
# run line and the system line are those the program writes on this machine,
# worked out here, outside the timed window.
gp_text() { local t=${1//\'/\'\'}; printf "'%s'" "$t"; }
cpu="$(sed -n '/name/{s/.*: //p;q}' /proc/cpuinfo)"
cpu="${cpu/#Intel(R) Core(TM) /Core }"
cpu="${cpu:0:30}"
cpu="${cpu%"${cpu##*[! ]}"}"
kernel="Linux_$(uname -r)"
{
  printf 'run = %s\n' "$(gp_text "Run on $(date '+%Y-%m-%d at %H:%M:%S')")"
  printf 'sys = %s\n' "$(gp_text "System : ${kernel:0:13} ${cpu:-unknown}")"
  cat <<'EOF'
set terminal postscript portrait color solid noenhanced "Helvetica" 11 size 19.236cm,27.936cm
set output "gnuplot.ps"
# The terminal starts its canvas 50 points from the page's lower left
# corner; these place a point given in centimetres on the A4 page. A label
# is centred on its point, a third of its font size above its baseline: bl
# gives the point whose label stands on the baseline at cm.
px(cm) = (cm - 1.7639) / 19.236
py(cm) = (cm - 1.7639) / 27.936
bl(cm, pt) = py(cm + pt / 3.0 / 28.3465)
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
$depth << EOD
0 0
49.05 5000

0 0
65.10 5000

0 0
124.10 5000

0 0
399.98 5000
EOD
set label 1 run at screen px(10.5), bl(28.0, 7) center font ",7"
set label 2 sys at screen px(10.5), bl(27.625, 7) center font ",7"
set label 3 "varnholt_pk_1.5 Command = 100" at screen px(10.5), bl(27.25, 7) center font ",7"
set label 4 "Total stress" at screen px(10.5), bl(26.0, 14) center font ",14"
set label 5 "Depth = 1000.00 m" at screen px(18), bl(28.0, 7) right font ",7"
set label 6 "depth top overburden = 0.00 m" at screen px(18), bl(27.625, 7) right font ",7"
set label 7 "depth top water = 0.00 m" at screen px(18), bl(27.25, 7) right font ",7"
set label 8 "Rock wet density = 2530.0 kg/m3" at screen px(18), bl(26.875, 7) right font ",7"
set label 9 "Rock dry density = 2430.0 kg/m3" at screen px(18), bl(26.5, 7) right font ",7"
set label 10 "Water density = 1000.0 kg/m3" at screen px(18), bl(26.125, 7) right font ",7"
set label 11 "Sv = 24.819 MPa" at screen px(3), bl(28.0, 7) left font ",7"
set label 12 "Pf = 9.810 MPa" at screen px(3), bl(27.625, 7) left font ",7"
set label 13 "Mu = 0.850" at screen px(3), bl(27.25, 7) left font ",7"
set label 14 "Phi0 = 40.365 degrees" at screen px(3), bl(26.875, 7) left font ",7"
set label 15 "K13 = 4.676" at screen px(3), bl(26.5, 7) left font ",7"
set label 16 "C = 100.00 MPa" at screen px(3), bl(26.125, 7) left font ",7"
set label 17 "T = 10.00 MPa" at screen px(3), bl(25.75, 7) left font ",7"
unset key
set style fill solid border lc rgb "black"
set tics out
set link x2
set link y2
set xtics nomirror
set ytics nomirror
set lmargin at screen px(3)
set rmargin at screen px(18)
set bmargin at screen py(8)
set tmargin at screen py(23)
set xrange [0:100]
set yrange [0:100]
# Both boxes are numbered on all four sides at the same steps.
tics(x, y) = sprintf("set xtics %g; set x2tics %g; set ytics %g; set y2tics %g", x, x, y, y)
eval tics(10, 10)
set mxtics 10
set mx2tics 10
set mytics 10
set my2tics 10
set xlabel "Shmin (MPa)" font ",14"
set x2label "Shmin (MPa)" font ",14" offset 0, -0.5
set ylabel "Shmax (MPa)" font ",14"
set y2label "Shmax (MPa)" font ",14" rotate by 90
plot $azure with filledcurves closed fc rgb "#0080ff", \
     $green with filledcurves closed fc rgb "#00ff00", \
     $orange with filledcurves closed fc rgb "#ff8000", \
     $lines with lines lc rgb "black"
set label 3 "varnholt_pk_1.5 Command = 200"
set bmargin at screen py(3)
set tmargin at screen py(24)
set xrange [0:500]
set yrange [5000:0]
eval tics(100, 1000)
set xlabel "Stress (MPa)"
set x2label "Stress (MPa)"
set ylabel "Depth (m)"
set y2label "Depth (m)"
plot $depth with lines lc rgb "black"
EOF
} >plots.gp

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
