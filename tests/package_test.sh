#!/usr/bin/env bash
# Builds the Debian package from BUILD_DIR, unpacks it into a scratch root
# with dpkg -x and checks what it installs and what it depends on.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb="$(ls "$scratch"/out/*.deb)"
dpkg -x "$deb" "$scratch/root"
fail() { echo "FAIL: $*"; exit 1; }
root="$scratch/root"
[ -x "$root/usr/bin/weighstation" ] || fail "no executable usr/bin/weighstation"
[ -x "$root/usr/bin/weighstation-records" ] || fail "no executable usr/bin/weighstation-records"
for app in weighstation weighstation-records; do
  entry="$root/usr/share/applications/$app.desktop"
  grep -q "^Exec=$app\$" "$entry" || fail "desktop entry of $app"
  grep -q "^Icon=$app\$" "$entry" || fail "desktop icon of $app"
  file "$root/usr/share/icons/hicolor/128x128/apps/$app.png" | grep -q 'PNG image data, 128 x 128' || fail "icon of $app"
  zcat "$root/usr/share/man/man1/$app.1.gz" | grep -q "^\.TH" || fail "man page of $app"
  grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" \
    "$root"/usr/share/metainfo/org.weighstation.*.metainfo.xml || fail "metainfo of $app"
done
grep -q 'Records' "$root/usr/share/applications/weighstation-records.desktop" || fail "viewer's name"
grep -q 'ATTRS{idVendor}=="0403", GROUP="dialout"' "$root/usr/lib/udev/rules.d/70-weighstation-ftdi.rules" || fail "udev rule"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6serialport6 libqt6sql6-sqlite libxlsxwriter fonts-liberation; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
grep -q '^;station = ' "$root/etc/xdg/weighstation/weighstation.conf" || fail "the site's settings file"
dpkg-deb -e "$deb" "$scratch/control"
grep -qx '/etc/xdg/weighstation/weighstation.conf' "$scratch/control/conffiles" || fail "conffiles"
unexpected="$(cd "$root" && find . -type f | grep -v -E '^\./etc/xdg/weighstation/weighstation\.conf$' | grep -v -E '^\./usr/(bin/weighstation(-records)?|share/applications/weighstation(-records)?\.desktop|share/icons/hicolor/128x128/apps/weighstation(-records)?\.png|share/man/man1/weighstation(-records)?\.1\.gz|share/metainfo/org\.weighstation\.(Monitor|Records)\.metainfo\.xml|share/doc/weighstation/(changelog\.gz|copyright)|lib/udev/rules\.d/70-weighstation-ftdi\.rules)$' || true)"
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
# Debian's own checks: no error may remain.
if ! tags="$(lintian --fail-on error "$deb" 2>&1)"; then
  fail "lintian finds errors: $tags"
fi
echo "$tags" | grep -v 'root privileges' || true
echo "package ok: $(basename "$deb"), Depends: $depends"
