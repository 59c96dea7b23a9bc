#!/usr/bin/env bash
# Builds the Debian package twice, each time from a fresh clone of the
# repository's last commit in a folder of its own (the second one deeper and
# with another name), and compares the two .debs byte for byte. A difference
# is shown member by member (diffoscope when the machine has it).
#   tools/reproducible.sh [work folder]   (default: a new folder below /tmp)
# With --against, one fresh clone is built and its package compared with DEB,
# built from this tree's last commit, which must then have no changes of its
# own (CI builds its package in a fresh clone, so one more build shows it):
#   tools/reproducible.sh --against DEB [work folder]
# WERROR is handed to each build: it is among the compiler's options, which the
# binary's debug information records.
set -euo pipefail
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
against=""
if [[ ${1:-} == --against ]]; then
  against=$(realpath "$2")
  shift 2
  [[ -f $against ]] || { echo "$0: no package $against" >&2; exit 1; }
  if [[ -n $(git -C "$repo" status --porcelain --untracked-files=no) ]]; then
    echo "$0: $repo has changes of its own: its package is not the last commit's" >&2
    exit 1
  fi
fi
# A work folder of its own is removed when the packages are the same.
if [[ -n ${1:-} ]]; then
  work=$1 own_work=""
else
  work=$(mktemp -d /tmp/zerdo-reproducible.XXXXXX) own_work=1
fi
mkdir -p "$work"
b=$work/second/a/longer/path/zerdo-again
if [[ -n $against ]]; then
  dirs=("$b")
else
  a=$work/first/zerdo
  dirs=("$a" "$b")
fi
for dir in "${dirs[@]}"; do
  rm -rf "$dir"
  git clone --quiet --no-local "$repo" "$dir"
  echo "== building in $dir"
  make -C "$dir" package JOBS="${JOBS:-2}" WERROR="${WERROR:-OFF}" >"$dir.log" 2>&1 ||
    { tail -n 40 "$dir.log"; exit 1; }
done
if [[ -n $against ]]; then
  deb_a=$against
else
  deb_a=$(ls "$a"/build-package/*.deb)
fi
deb_b=$(ls "$b"/build-package/*.deb)
if cmp -s "$deb_a" "$deb_b"; then
  echo "the two packages are the same, byte for byte: $(sha256sum "$deb_a" | cut -d' ' -f1)"
  [[ -z $own_work ]] || rm -rf -- "$work"
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
