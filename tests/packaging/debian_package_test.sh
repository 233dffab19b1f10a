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
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
for needed in libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
    echo "$depends" | grep -qw "$needed" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
for wanted in qt6-wayland qt6-translations-l10n; do
    echo "$depends, $recommends" | grep -qw "$wanted" ||
        { echo "neither Depends nor Recommends has $wanted"; exit 1; }
done

# Nothing at warning level or above (the one override says why).
lintian --fail-on warning,error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on warning,error "$deb" >/dev/null 2>&1 || { echo "lintian complains"; exit 1; }

dpkg -x "$deb" "$scratch/root"
QT_QPA_PLATFORM=offscreen DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT=1 \
    timeout 60 "$scratch/root/usr/bin/distancia-lnb"

# Installed for real and purged, where this may (as root, with no copy of the
# program installed already): nothing of it stays behind.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W distancia-lnb >/dev/null 2>&1; then
    dpkg -i "$deb" >/dev/null
    installed=$(dpkg -L distancia-lnb | while read -r path; do [ -f "$path" ] && echo "$path"; done)
    echo "$installed" | grep -qx /usr/bin/distancia-lnb ||
        { echo "dpkg does not list the program among the installed files"; exit 1; }
    QT_QPA_PLATFORM=offscreen DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT=1 timeout 60 distancia-lnb
    dpkg --purge distancia-lnb >/dev/null
    for path in $installed; do
        [ ! -e "$path" ] || { echo "left behind after purge: $path"; exit 1; }
    done
    echo "installed and purged: $(echo "$installed" | wc -l) files, none left"
fi
echo "package ok: $(basename "$deb")"
