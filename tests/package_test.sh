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
grep -q '^Exec=weighstation$' "$root/usr/share/applications/weighstation.desktop" || fail "desktop entry"
grep -q '^Icon=weighstation$' "$root/usr/share/applications/weighstation.desktop" || fail "desktop icon"
file "$root/usr/share/icons/hicolor/128x128/apps/weighstation.png" | grep -q 'PNG image data, 128 x 128' || fail "icon"
grep -q 'ATTRS{idVendor}=="0403", GROUP="dialout"' "$root/usr/lib/udev/rules.d/70-weighstation-ftdi.rules" || fail "udev rule"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6serialport6 libqt6sql6-sqlite libxlsxwriter fonts-liberation; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
unexpected="$(cd "$root" && find . -type f | grep -v -E '^\./usr/(bin/weighstation|bin/weighstation-records|share/applications/weighstation\.desktop|share/icons/hicolor/128x128/apps/weighstation\.png|lib/udev/rules\.d/70-weighstation-ftdi\.rules)$' || true)"
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
echo "package ok: $(basename "$deb"), Depends: $depends"
