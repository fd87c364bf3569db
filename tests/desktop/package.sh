#!/usr/bin/env bash
# Builds the Debian package, reads its control data, checks that Debian 12 can satisfy its
# dependencies, and starts the packaged program under Xvfb.
set -euo pipefail
BUILD=${1:?usage: $0 build-folder version}
VERSION=${2:?usage: $0 build-folder version}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

(cd "$BUILD" && cpack -B "$WORK/out" >/dev/null)
deb=$(ls "$WORK"/out/tallyfold_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tallyfold ] || { echo "FAIL: package name $(field Package)"; exit 1; }
[ "$(field Version)" = "$VERSION" ] || { echo "FAIL: version $(field Version)"; exit 1; }
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 zlib1g libzip4 \
    qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic fonts-liberation2 fonts-urw-base35; do
    [[ "$depends" == *"$needed"* ]] || { echo "FAIL: Depends lacks $needed: $depends"; exit 1; }
done
[[ "$depends" != *orcus* ]] || { echo "FAIL: Depends still names liborcus: $depends"; exit 1; }
[[ "$(field Description)" == 'Quantity-rate charts'* ]] || { echo "FAIL: description"; exit 1; }

# Every dependency can be had from Debian 12 (a dry run changes nothing).
apt-get install --simulate -qq "$deb" >/dev/null

# The packaged program starts and shows its entry window.
dpkg-deb -x "$deb" "$WORK/root"
xvfb-run -a bash -c "
    '$WORK/root/usr/bin/tallyfold' >/dev/null 2>&1 &
    pid=\$!
    timeout 20 xdotool search --sync --onlyvisible --name '^Tallyfold v22\$' >/dev/null
    status=\$?
    kill \$pid
    exit \$status" || { echo "FAIL: the packaged program did not show its window"; exit 1; }
echo "package: passed"
