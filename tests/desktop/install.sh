#!/usr/bin/env bash
# Installs into a staging folder and checks that exactly the program, its menu entry and its
# icons arrive, and that the entry is valid.
set -euo pipefail
BUILD=${1:?usage: $0 build-folder}
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT

DESTDIR=$STAGE cmake --install "$BUILD" --prefix /usr >/dev/null
actual=$(cd "$STAGE" && find . -type f | sort)
expected=$(printf '%s\n' ./usr/bin/tallyfold ./usr/share/applications/tallyfold.desktop \
    ./usr/share/icons/hicolor/{128x128,256x256,32x32,64x64}/apps/tallyfold.png | sort)
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
echo "install: passed"
