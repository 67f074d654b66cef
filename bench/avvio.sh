#!/bin/sh
# Start-up: process start to the first frame painted, Velno's splash beside an empty Qt
# Widgets program showing one window, in the same run, on an X server (the display in
# DISPLAY, or a private Xvfb) and offscreen. Prints the mean times and their ratio, and the
# time of the same empty window with one line of text, which tells what text alone costs
# (the font configuration read, the fonts opened) before any of Velno's own work.
#   bench/avvio.sh [build folder] [runs]
set -e

misura() {   # $1: what the line says
    risultati=$(mktemp)
    VELNO_MISURA_AVVIO=1 hyperfine -N --warmup 5 --runs "$runs" --style none --export-csv "$risultati" \
        -n velno "$build/velno" -n vuoto "$build/bench/velno-vuoto" -n testo "$build/bench/velno-vuoto-testo" > /dev/null
    awk -F, -v dove="$1" 'NR > 1 { media[$1] = $2 * 1000 }
        END { printf "%-10s velno %6.1f ms   programma Qt vuoto %6.1f ms   rapporto %.2f   (vuoto con una riga di testo %6.1f ms)\n",
                     dove, media["velno"], media["vuoto"], media["velno"] / media["vuoto"], media["testo"] }' "$risultati"
    rm -f "$risultati"
}

if [ "$1" = "--dentro" ]; then   # inside xvfb-run
    build=$2 runs=$3
    QT_QPA_PLATFORM=xcb misura "X11"
    exit
fi
build=$(cd "${1:-build}" && pwd)
runs=${2:-40}

echo "Avvio fino al primo disegno (media di $runs avvii):"
if [ -n "$DISPLAY" ]; then
    QT_QPA_PLATFORM=xcb misura "X11"
else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --dentro "$build" "$runs"
fi
QT_QPA_PLATFORM=offscreen misura "offscreen"
