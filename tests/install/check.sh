#!/usr/bin/env bash
# What "cmake --install" makes of the build, checked the way a distribution would check it.
#
#   check.sh tree BUILD_DIR SOURCE_DIR VERSION DESTDIR   install into DESTDIR and check the tree
#   check.sh desktop DESTDIR                             desktop-file-validate on the menu entry
#   check.sh metainfo DESTDIR                            appstreamcli validate on the metadata
#   check.sh manual DESTDIR                              the manual pages render without warnings
#   check.sh program BUILD_DIR SOURCE_DIR VERSION        the installed program, unable to write
#                                                        beside itself, with an empty home
#
# Status 77 (skipped) only when a validator is missing; scripts/setup.sh installs them.
set -euo pipefail

app_id=it.orvent.zelkor
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

need() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "SKIP: $1 is missing (package $2; scripts/setup.sh installs it)"
        exit 77
    fi
}

install_into() {  # BUILD_DIR DESTDIR
    rm -rf "$2"
    DESTDIR="$2" cmake --install "$1" --prefix /usr >/dev/null
}

# Width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $3 * 256 + $4, $7 * 256 + $8 }'
}

check_tree() {
    local build=$1 source=$2 version=$3 root=$4
    install_into "$build" "$root"

    local expected
    expected=$(sort <<EOF
755 usr/bin/zelkor
644 usr/share/applications/$app_id.desktop
644 usr/share/doc/zelkor/andamento-grafico.png
644 usr/share/doc/zelkor/andamento-mappa.png
644 usr/share/doc/zelkor/changelog.gz
644 usr/share/doc/zelkor/copyright
644 usr/share/icons/hicolor/128x128/apps/$app_id.png
644 usr/share/icons/hicolor/256x256/apps/$app_id.png
644 usr/share/icons/hicolor/48x48/apps/$app_id.png
644 usr/share/icons/hicolor/scalable/apps/$app_id.svg
644 usr/share/man/it/man1/zelkor.1.gz
644 usr/share/man/man1/zelkor.1.gz
644 usr/share/metainfo/$app_id.metainfo.xml
644 usr/share/zelkor/_prov.cod
644 usr/share/zelkor/_prov_pos.cod
EOF
)
    local actual
    actual=$(cd "$root" && find . -type f -printf '%m %P\n' | sort)
    [ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"
    local odd_dirs
    odd_dirs=$(cd "$root" && find . -mindepth 1 -type d ! -perm 755 -printf '%m %P\n')
    [ -z "$odd_dirs" ] || fail "folders without mode 755: $odd_dirs"

    cmp -s "$source/data/_prov.cod" "$root/usr/share/zelkor/_prov.cod" ||
        fail "the installed province list differs from data/_prov.cod"
    cmp -s "$source/data/_prov_pos.cod" "$root/usr/share/zelkor/_prov_pos.cod" ||
        fail "the installed capitals' positions differ from data/_prov_pos.cod"
    cmp -s "$source/src/ui/resources/artwork/zelkor-icon.svg" \
        "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the SVG icon differs"
    local size
    for size in 48 128 256; do
        local png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        [ "$(png_size "$png")" = "${size}x${size}" ] ||
            fail "$png is $(png_size "$png"), not ${size}x${size}"
    done

    # One version everywhere: metadata, changelog, manual pages.
    grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"/>" \
        "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo release is not $version"
    [ "$(zcat "$root/usr/share/doc/zelkor/changelog.gz" | head -1)" = \
        "zelkor ($version) unstable; urgency=medium" ] || fail "changelog is not at $version"
    local page
    for page in man/man1 man/it/man1; do
        zcat "$root/usr/share/$page/zelkor.1.gz" | grep -q "^\.TH ZELKOR 1 \".*\" \"zelkor $version\"" ||
            fail "$page/zelkor.1 is not at $version"
        zcat "$root/usr/share/$page/zelkor.1.gz" | grep -q '@[A-Z_]*@' &&
            fail "$page/zelkor.1 holds an unfilled @VARIABLE@"
    done
    grep -q '@[A-Z_]*@' "$root/usr/share/metainfo/$app_id.metainfo.xml" &&
        fail "the metainfo holds an unfilled @VARIABLE@"
    finish
}

check_desktop() {
    need desktop-file-validate desktop-file-utils
    local file=$1/usr/share/applications/$app_id.desktop output
    output=$(desktop-file-validate "$file" 2>&1) || fail "desktop-file-validate failed"
    [ -z "$output" ] || fail "desktop-file-validate says: $output"
    grep -qx 'Exec=zelkor %f' "$file" || fail "Exec is not 'zelkor %f'"
    grep -qx "Icon=$app_id" "$file" || fail "Icon is not $app_id"
    grep -q '^Categories=.*HamRadio;' "$file" || fail "not in the HamRadio category"
    grep -q '^Comment\[it\]=' "$file" || fail "no Italian comment"
    finish
}

check_metainfo() {
    need appstreamcli appstream
    local output
    output=$(appstreamcli validate --no-net --pedantic \
        "$1/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) || fail "appstreamcli says: $output"
    finish
}

check_manual() {
    need man man-db
    local page output
    for page in "$1/usr/share/man/man1/zelkor.1.gz" "$1/usr/share/man/it/man1/zelkor.1.gz"; do
        # Warnings come on standard error; the rendered page must name every option.
        output=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) ||
            fail "man -l $page failed"
        [ -z "$output" ] || fail "man -l $page warns: $output"
        local text option
        text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
        for option in --export --score --help --version _ult.zelk _prov.cod _storico.cod zelkor.conf; do
            grep -q -- "$option" <<<"$text" || fail "$page does not mention $option"
        done
    done
    finish
}

check_program() {
    local build=$1 source=$2 version=$3
    work=$(mktemp -d)
    chmod 755 "$work"
    trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
    install_into "$build" "$work/root"
    local bin=$work/root/usr/bin home=$work/home
    mkdir "$home"
    cp "$source/tests/data/export-swl.zelk" "$work/gara.zelk"
    chmod 644 "$work/gara.zelk"

    # No write access to the program's own folder: a plain user on a read-only bin/, or root
    # running as nobody.
    local as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        need setpriv util-linux
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        chown nobody:nogroup "$home"
    else
        chmod a-w "$bin"
    fi
    if "${as_user[@]}" touch "$bin/.probe" 2>/dev/null; then
        echo "SKIP: the installed program's folder can't be made unwritable here"
        exit 77
    fi

    run() {
        env -i PATH=/usr/bin:/bin HOME="$home" LC_ALL=C.UTF-8 "${as_user[@]}" "$bin/zelkor" "$@"
    }
    local out status
    out=$(run --version 2>&1) && status=0 || status=$?
    [ "$status" -eq 0 ] || fail "--version: status $status"
    [ "$out" = "zelkor $version" ] || fail "--version printed: $out"

    # The province list comes from share/zelkor/: no warning about a missing one.
    local err
    out=$(run --score "$work/gara.zelk" 2>"$work/err") && status=0 || status=$?
    err=$(cat "$work/err")
    [ "$status" -eq 0 ] || fail "--score: status $status ($err)"
    [ -z "$err" ] || fail "--score wrote on standard error: $err"
    [[ "$out" == *" PUNTEGGIO TOTALE = 32" ]] || fail "--score printed: $out"

    local left
    left=$(find "$home" "$bin" -mindepth 1 ! -name zelkor)
    [ -z "$left" ] || fail "files were created: $left"
    finish
}

mode=${1:-}
shift || true
case "$mode" in
    tree) check_tree "$@" ;;
    desktop) check_desktop "$@" ;;
    metainfo) check_metainfo "$@" ;;
    manual) check_manual "$@" ;;
    program) check_program "$@" ;;
    *)
        echo "usage: $0 tree|desktop|metainfo|manual|program ..." >&2
        exit 2
        ;;
esac
