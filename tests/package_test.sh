#!/usr/bin/env bash
# Checks a Debian package of the monitor: its files are exactly those of the
# technician's manual's install table, what it installs works as a desktop and a site
# expect, what it depends on, and Debian's and AppStream's own checks.
#   tests/package_test.sh DEB docs/technician.md
set -euo pipefail
deb="$1"
readme="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root"
dpkg-deb -e "$deb" "$scratch/control"
fail() { echo "FAIL: $*"; exit 1; }
root="$scratch/root"

# The install table: the paths in back quotes of its first column.
sed -n '/^## Installing on a station/,/^## /p' "$readme" | grep '^| `/' | cut -d'|' -f2 |
  grep -o '`/[^`]*`' | tr -d '`' | sort >"$scratch/documented"
(cd "$root" && find . -type f -o -type l | sed 's|^\.||' | sort) >"$scratch/packed"
[ -s "$scratch/documented" ] || fail "no install table in $readme"
if ! diff -u "$scratch/documented" "$scratch/packed" >"$scratch/difference"; then
  fail "the package's files differ from the manual's install table (- table, + package):
$(grep '^[-+]/' "$scratch/difference")"
fi

[ -x "$root/usr/bin/weighstation" ] || fail "no executable usr/bin/weighstation"
[ -x "$root/usr/bin/weighstation-records" ] || fail "no executable usr/bin/weighstation-records"
[ -x "$root/usr/bin/weighstation-desk" ] || fail "no executable usr/bin/weighstation-desk"
for app in weighstation weighstation-records weighstation-desk; do
  entry="$root/usr/share/applications/$app.desktop"
  grep -q "^Exec=$app\$" "$entry" || fail "desktop entry of $app"
  grep -q "^Icon=$app\$" "$entry" || fail "desktop icon of $app"
  for size in 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$app.png" |
      grep -q "PNG image data, $size x $size" || fail "icon of $app at $size px"
  done
  zcat "$root/usr/share/man/man1/$app.1.gz" | grep -q "^\.TH" || fail "man page of $app"
  grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" \
    "$root"/usr/share/metainfo/org.weighstation.*.metainfo.xml || fail "metainfo of $app"
  desktop-file-validate "$entry" || fail "desktop-file-validate: $app.desktop"
done
grep -q 'Records' "$root/usr/share/applications/weighstation-records.desktop" || fail "viewer's name"
for lang in de fr es pt_BR; do
  [ -s "$root/usr/share/weighstation/translations/weighstation_$lang.qm" ] || fail "translation $lang"
done
grep -q 'ATTRS{idVendor}=="0403", GROUP="dialout"' "$root/usr/lib/udev/rules.d/70-weighstation-ftdi.rules" || fail "udev rule"
grep -q '^;station = ' "$root/etc/xdg/weighstation/weighstation.conf" || fail "the site's settings file"
grep -qx '/etc/xdg/weighstation/weighstation.conf' "$scratch/control/conffiles" || fail "conffiles"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6serialport6 libqt6sql6-sqlite libxlsxwriter libmosquitto fonts-liberation; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done

# AppStream, pedantic and offline: not a single remark.
validation="$(appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.xml 2>&1)" ||
  fail "appstreamcli: $validation"
echo "$validation" | grep -q -E '^ *[EWIP]: ' && fail "appstreamcli: $validation"
# Debian's own checks, with the informational tags: none may remain but those
# the package overrides, each with its reason.
tags="$(lintian --info --pedantic --fail-on error,warning,info,pedantic "$deb" 2>&1)" ||
  fail "lintian: $tags"
echo "package ok: $(basename "$deb"), Depends: $depends"
