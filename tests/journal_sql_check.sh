#!/usr/bin/env bash
# The journal layer owns every statement against the journal's file: no
# source outside src/journal names one of its tables in SQL (string
# literals split over lines are joined first).
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
hits=$(find "$root/src" "$root/tools" \( -name '*.cpp' -o -name '*.h' \) -not -path "$root/src/journal/*" -print0 |
  xargs -0 perl -0777 -ne 's/"\s*\n\s*"//g;
    while (/\b(FROM|INTO|UPDATE|TABLE|JOIN)\s+(records|deliveries|transactions|journal_meta|central_shipping|central_problems|mqtt_shipping|mqtt_problems)\b/g) {
      print "$ARGV: $1 $2\n";
    }')
if [ -n "$hits" ]; then
  echo "SQL on the journal's tables outside src/journal:"
  echo "$hits"
  exit 1
fi
echo "no journal SQL outside src/journal"
