#!/usr/bin/env bash
# Fails when an engine library defines a writable data symbol: state belongs in the session,
# the graph context or the surface, never in a variable the whole process shares. Relocated
# constant tables (.data.rel.ro) are read-only once loaded and do not count, nor do the
# sanitizers' own records of each global.
# Usage: check_writable_data.sh LIBRARY...
set -euo pipefail
found=0
for library in "$@"; do
  symbols=$(nm -C --format=sysv "$library" |
    awk -F'|' '$7 ~ /^ *\.(data|bss)([.][^r].*)? *$/ && $3 ~ /[bBdD]/ {print $1 "|" $7}' |
    grep -v '^__\(odr_asan\|asan\|ubsan\|sancov\)' || true)
  if [ -n "$symbols" ]; then
    echo "$(basename "$library") has writable data:"
    echo "$symbols"
    found=1
  fi
done
echo "$# libraries checked"
exit $found
