#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package made from this build: what it holds, what lintian says of
# it, and the program unpacked into a scratch root starting (offscreen).
#   debian_package_test.sh CPACK CPACK_CONFIG
set -eu
cpack=$1
config=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$cpack" --config "$config" -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/*.deb)
case "$(basename "$deb")" in
    distancia-lnb_1.0.0-1_amd64.deb) ;;
    *) echo "unexpected package name: $deb"; exit 1 ;;
esac

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/distancia-lnb \
    ./usr/share/applications/org.distancialnb.DistanciaLNB.desktop \
    ./usr/share/metainfo/org.distancialnb.DistanciaLNB.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.distancialnb.DistanciaLNB.svg \
    ./usr/share/icons/hicolor/32x32/apps/org.distancialnb.DistanciaLNB.png \
    ./usr/share/doc/distancia-lnb/copyright \
    ./usr/share/doc/distancia-lnb/changelog.Debian.gz \
    ./usr/share/man/man1/distancia-lnb.1.gz \
    ./usr/share/man/es/man1/distancia-lnb.1.gz; do
    echo "$contents" | grep -qx "$path" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; exit 1; }

# Nothing at warning level or above (the one override says why).
lintian --fail-on warning,error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on warning,error "$deb" >/dev/null 2>&1 || { echo "lintian complains"; exit 1; }

dpkg -x "$deb" "$scratch/root"
QT_QPA_PLATFORM=offscreen DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT=1 \
    timeout 60 "$scratch/root/usr/bin/distancia-lnb"
echo "package ok: $(basename "$deb")"
