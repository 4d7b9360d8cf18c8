#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zelkor need. Quick and silent
# when everything is already there; works as root or through sudo.
set -euo pipefail

packages=(
    # build tools
    g++ cmake ninja-build pkg-config
    # Qt 6: core, widgets, print support, test, the platform plugins and Qt's Italian texts
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    # lrelease, and the CMake package that finds it, for the program's own translation file
    qt6-l10n-tools qt6-tools-dev
    # the program's SVG pictures (icon, splash, about) are drawn by Qt's SVG plugins at run time
    libqt6svg6
    # the chart of the "Andamento" window; Qt Charts' CMake files need Qt's OpenGL ones
    qt6-charts-dev libqt6opengl6-dev
    # the radio link (Hamlib), and rigctld and rigctl, which its integration tests run
    libhamlib-dev libhamlib-utils
    # tests and benchmarks; bench/compare.sh times the program against mawk with GNU time
    googletest libgtest-dev libgmock-dev libbenchmark-dev mawk time
    # the fuzz targets (scripts/fuzz.sh): clang with libFuzzer and the sanitizers' run time
    clang libclang-rt-14-dev
    # the formatting check of CI (scripts/check-format.sh) and scripts/tidy.sh
    clang-format clang-tidy git
    # a display for trying the real window, and reading printed PDFs back
    xvfb xauth openbox xdotool x11-utils poppler-utils fonts-dejavu-core
    # Node.js runs the independent ADIF and Cabrillo readers of the export tests
    nodejs
    # the install tests validate the desktop entry and the metadata and render the manual pages
    desktop-file-utils appstream man-db
    # the Debian package (scripts/package.sh): dpkg-shlibdeps names the libraries it needs
    dpkg-dev file
)
# A Node.js that brings its own npm (NodeSource's) must not get Debian's, which conflicts with it.
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
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
fi

# The export readers at the versions of their package-lock. npm writes the hidden lock last, so
# its presence means a finished install. Without the registry the build and the other tests still
# run; the reader tests then report as skipped.
npm_folder="$(cd "$(dirname "$0")/.." && pwd)/tests/npm"
if [ ! -f "$npm_folder/node_modules/.package-lock.json" ]; then
    echo "Installing the export readers in $npm_folder"
    if ! npm ci --prefix "$npm_folder" --no-audit --no-fund; then
        echo "Impossibile installare i lettori ADIF e Cabrillo da npm: i loro test saranno saltati." >&2
    fi
fi
