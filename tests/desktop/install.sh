#!/usr/bin/env bash
# Installs into a staging folder and checks that exactly the program, its menu entry, its icons,
# its metadata, man pages, licence and user's manual arrive, and that the entry and the metadata are
# valid.
set -euo pipefail
BUILD=${1:?usage: $0 build-folder}
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT

DESTDIR=$STAGE cmake --install "$BUILD" --prefix /usr >/dev/null
actual=$(cd "$STAGE" && find . -type f | sort)
expected=$(printf '%s\n' ./usr/bin/tallyfold ./usr/share/applications/tallyfold.desktop \
    ./usr/share/icons/hicolor/{128x128,256x256,32x32,64x64}/apps/tallyfold.png \
    ./usr/share/metainfo/io.github.tallyfold.Tallyfold.metainfo.xml \
    ./usr/share/man/{,ja/}man1/tallyfold.1.gz \
    ./usr/share/doc/tallyfold/{LICENSE,manual.ja.md,entry-window.png,colour-chart.png,chart-numbers.png} | sort)
[ "$actual" = "$expected" ] || { echo "FAIL: installed files differ:"; diff <(echo "$expected") <(echo "$actual"); exit 1; }

entry=$STAGE/usr/share/applications/tallyfold.desktop
desktop-file-validate "$entry"
grep -qx 'Name=Tallyfold' "$entry"
grep -qx 'Name\[ja\]=量率グラフ' "$entry"
grep -q '^Comment\[ja\]=' "$entry"
grep -qx 'Categories=Office;Chart;' "$entry"
grep -qx 'Icon=tallyfold' "$entry"
for size in 32 64 128 256; do
    [ "$(identify -format '%wx%h' "$STAGE/usr/share/icons/hicolor/${size}x${size}/apps/tallyfold.png")" = "${size}x${size}" ] ||
        { echo "FAIL: icon $size is the wrong size"; exit 1; }
done
[ -x "$STAGE/usr/bin/tallyfold" ]

metainfo=$STAGE/usr/share/metainfo/io.github.tallyfold.Tallyfold.metainfo.xml
appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">tallyfold.desktop</launchable>' "$metainfo"
grep -q '<p xml:lang="ja">' "$metainfo" && grep -q '<caption xml:lang="ja">' "$metainfo"
version=$("$STAGE/usr/bin/tallyfold" --version | awk '{ print $2 }')
grep -q "<release version=\"$version\"" "$metainfo" || { echo "FAIL: no release $version"; exit 1; }

manual=$STAGE/usr/share/man/man1/tallyfold.1.gz
gzip -t "$manual"
page=$(MANWIDTH=100 man -l "$manual" 2>/dev/null)
for section in SYNOPSIS OPTIONS 'EXIT STATUS' FILES EXAMPLES "Tallyfold $version"; do
    grep -q "$section" <<<"$page" || { echo "FAIL: the manual page lacks $section"; exit 1; }
done
for man_page in "$manual" "$STAGE/usr/share/man/ja/man1/tallyfold.1.gz"; do
    [ -z "$(MANWIDTH=80 man -l "$man_page" 2>&1 >/dev/null)" ] || { echo "FAIL: man warns on $man_page"; exit 1; }
    [ -z "$(gunzip -c "$man_page" | preconv | groff -man -Tutf8 -ww -z 2>&1)" ] || { echo "FAIL: groff warns"; exit 1; }
done
echo "install: passed"
