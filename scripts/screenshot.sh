#!/usr/bin/env bash
# Takes docs/screenshot.png, the README's picture of the main window: the real program under
# Xvfb and openbox with the sample log docs/screenshot/gara-esempio.zelk, a callsign typed into
# the entry row so that its earlier contacts show. Everything runs in a temporary folder: the
# user's settings and working file are not touched.
#
#   scripts/screenshot.sh [OUTPUT.png]
#
# Needs a build (scripts/build.sh) and, besides the packages of scripts/setup.sh, ImageMagick's
# "import" (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
program=build/src/ui/zelkor
display=:${ZELKOR_SCREENSHOT_DISPLAY:-93}

for tool in Xvfb openbox xdotool xdpyinfo import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "Manca il comando $tool: scripts/setup.sh installa Xvfb, openbox, xdotool e" \
            "x11-utils; import viene da imagemagick." >&2
        exit 1
    fi
done
[ -x "$program" ] || scripts/build.sh

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

# The program runs from its own folder with the province list beside it, as from a build folder,
# so that its working file lands in the temporary folder.
mkdir -p "$work/bin" "$work/config" "$work/data"
cp "$program" data/_prov.cod "$work/bin/"
cp docs/screenshot/gara-esempio.zelk "$work/gara-esempio.zelk"

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.2
done
export DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
pids+=($!)

(cd "$work" && exec "$work/bin/zelkor" gara-esempio.zelk) >/dev/null 2>&1 &
pids+=($!)
# The main window's title names the open log; the splash before it has none.
window=$(timeout 30 xdotool search --sync --name 'gara-esempio\.zelk' | head -1)
xdotool windowactivate --sync "$window"
sleep 1
# A station worked before on the other band: its earlier contacts, its province and the signs.
xdotool type --delay 80 IV3KKW
xdotool key Return
sleep 1
import -window "$window" -frame "$output"
echo "Salvato $output"
