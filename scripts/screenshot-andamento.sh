#!/usr/bin/env bash
# Takes the pictures of the "Andamento" window for the documentation: docs/andamento-grafico.png
# (rate, score, the hourly chart raced against last year's log) and docs/andamento-mappa.png (the
# map of the provinces worked). The real program under Xvfb and openbox opens the sample log
# docs/screenshot/andamento-2026.zelk (a contest at 09:39 on its second day) and compares it
# with docs/screenshot/andamento-2025.zelk. Everything runs in a temporary folder: the user's
# settings and working file are not touched.
#
#   scripts/screenshot-andamento.sh
#
# Needs a build (scripts/build.sh) and, besides the packages of scripts/setup.sh, ImageMagick's
# "import" (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/src/ui/zelkor
display=:${ZELKOR_SCREENSHOT_DISPLAY:-94}

for tool in Xvfb openbox xdotool xdpyinfo import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "Manca il comando $tool: scripts/setup.sh installa Xvfb, openbox, xdotool e" \
            "x11-utils; import viene da imagemagick." >&2
        exit 1
    fi
done
[ -x "$program" ] || scripts/build.sh
if xdpyinfo -display "$display" >/dev/null 2>&1; then
    echo "Lo schermo $display è già in uso: scegline un altro con ZELKOR_SCREENSHOT_DISPLAY." >&2
    exit 1
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program runs from its own folder with the province list and the capitals' positions beside
# it, as from a build folder, so that its working file lands in the temporary folder.
mkdir -p "$work/bin" "$work/config" "$work/data"
cp "$program" data/_prov.cod data/_prov_pos.cod "$work/bin/"
cp docs/screenshot/andamento-2026.zelk docs/screenshot/andamento-2025.zelk "$work/"

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.2
done
export DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
pids+=($!)

(cd "$work" && exec "$work/bin/zelkor" andamento-2026.zelk) >/dev/null 2>&1 &
pids+=($!)
main=$(timeout 30 xdotool search --sync --name 'andamento-2026\.zelk' | head -1)
xdotool windowactivate --sync "$main"
xdotool key F11
window=$(timeout 30 xdotool search --sync --name '^Andamento$' | head -1)
xdotool windowsize --sync "$window" 1280 760
xdotool windowmove --sync "$window" 20 20
xdotool windowactivate --sync "$window"
# "Confronta con...", then the other log's name in the file chooser.
xdotool key alt+c
timeout 30 xdotool search --sync --name 'Confronta con un altro log' >/dev/null
sleep 0.5
xdotool type --delay 20 "$work/andamento-2025.zelk"
xdotool key Return
sleep 1
import -window "$window" -frame docs/andamento-grafico.png
xdotool key alt+a
sleep 1
import -window "$window" -frame docs/andamento-mappa.png
echo "Salvati docs/andamento-grafico.png e docs/andamento-mappa.png"
