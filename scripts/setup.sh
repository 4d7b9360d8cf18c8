#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zelkor need. Quick and silent
# when everything is already there; works as root or through sudo.
set -euo pipefail

packages=(
    # build tools
    g++ cmake ninja-build pkg-config
    # Qt 6: core, widgets, print support, test, the platform plugins and Qt's Italian texts
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    # the program's SVG pictures (icon, splash, about) are drawn by Qt's SVG plugins at run time
    libqt6svg6
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    # a display for trying the real window, and reading printed PDFs back
    xvfb xauth openbox xdotool x11-utils poppler-utils fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Mancano i pacchetti: ${missing[*]}; servono i permessi di root per installarli." >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
