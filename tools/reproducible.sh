#!/usr/bin/env bash
# Builds the Debian package twice, each time from a fresh clone of the
# repository's last commit in a folder of its own (the second one deeper and
# with another name), and compares the two .debs byte for byte. A difference
# is shown member by member (diffoscope when the machine has it).
#   tools/reproducible.sh [work folder]   (default: a new folder below /tmp)
set -euo pipefail
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
work=${1:-$(mktemp -d /tmp/zerdo-reproducible.XXXXXX)}
mkdir -p "$work"
a=$work/first/zerdo
b=$work/second/a/longer/path/zerdo-again
for dir in "$a" "$b"; do
  rm -rf "$dir"
  git clone --quiet --no-local "$repo" "$dir"
  echo "== building in $dir"
  make -C "$dir" package JOBS="${JOBS:-2}" >"$dir.log" 2>&1 || { tail -n 40 "$dir.log"; exit 1; }
done
deb_a=$(ls "$a"/build-package/*.deb)
deb_b=$(ls "$b"/build-package/*.deb)
if cmp -s "$deb_a" "$deb_b"; then
  echo "the two packages are the same, byte for byte: $(sha256sum "$deb_a" | cut -d' ' -f1)"
  exit 0
fi
echo "the two packages differ: $deb_a $deb_b"
if command -v diffoscope >/dev/null; then
  diffoscope "$deb_a" "$deb_b" || true
else
  for deb in "$deb_a" "$deb_b"; do
    mkdir -p "$deb.x" && dpkg-deb -R "$deb" "$deb.x"
  done
  diff -r "$deb_a.x" "$deb_b.x" || true
  cmp -l "$deb_a" "$deb_b" | head -n 20 || true
fi
exit 1
