#!/bin/sh
# Peak memory: Velno at full scale (100 holdings x 300 columns, 100 sales) with its windows
# open, beside an empty Qt Widgets program showing one window, in the same run, on an X
# server (the display in DISPLAY, or a private Xvfb) and offscreen. Two sets of windows: the
# eight working windows (the splash, Azioni, card, charts, ranking, balance, monthly, plan),
# and all 26 (with the delete dialog, contents, about, tips, 13 help pages and a print's
# document). The peak is the largest
# resident set of the process (GNU time's %M, the kernel's VmHWM); the median of the runs.
# Target: at most 1.5 x the empty program + 15 MB.
#   bench/memoria.sh [build folder] [runs]
set -e

picco() {   # the peak resident set of a command, in kB
    /usr/bin/time -f %M -o "$tempi" "$@" > /dev/null 2>&1
    tail -n 1 "$tempi"
}

mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

misura() {   # $1: what the line says
    picco "$build/bench/velno-memoria" "$archivi" > /dev/null   # not counted: warms the caches
    : > "$velno"
    : > "$tutte"
    : > "$vuoto"
    for i in $(seq "$runs"); do
        picco "$build/bench/velno-memoria" "$archivi" >> "$velno"
        picco "$build/bench/velno-memoria" --tutte "$archivi" >> "$tutte"
        picco "$build/bench/velno-vuoto" >> "$vuoto"
    done
    awk -v dove="$1" -v v="$(mediana < "$velno")" -v t="$(mediana < "$tutte")" -v e="$(mediana < "$vuoto")" 'BEGIN {
        v /= 1024; t /= 1024; e /= 1024; limite = 1.5 * e + 15
        printf "%-10s programma Qt vuoto %5.1f MB   limite %5.1f MB\n", dove, e, limite
        printf "           velno, le otto finestre di lavoro %5.1f MB   %s\n", v, (v <= limite) ? "entro il limite" : "OLTRE IL LIMITE"
        printf "           velno, tutte le 26 finestre       %5.1f MB   %s\n", t, (t <= limite) ? "entro il limite" : "OLTRE IL LIMITE" }'
}

prepara() {
    archivi=$(mktemp -d)
    tempi=$(mktemp)
    velno=$(mktemp)
    tutte=$(mktemp)
    vuoto=$(mktemp)
    trap 'rm -rf "$archivi" "$tempi" "$velno" "$tutte" "$vuoto"' EXIT
}

if [ "$1" = "--dentro" ]; then   # inside xvfb-run
    build=$2 runs=$3
    prepara
    QT_QPA_PLATFORM=xcb misura "X11"
    exit
fi
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}

echo "Memoria di picco, finestre aperte a piena scala (mediana di $runs avvii):"
if [ -n "$DISPLAY" ]; then
    prepara
    QT_QPA_PLATFORM=xcb misura "X11"
else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --dentro "$build" "$runs"
    prepara
fi
QT_QPA_PLATFORM=offscreen misura "offscreen"
