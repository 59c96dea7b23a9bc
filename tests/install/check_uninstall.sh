#!/usr/bin/env bash
# make install and make uninstall, three ways: into a new live prefix (the
# desktop's caches brought up to date, then nothing at all left), into a
# prefix that already holds another program's files (those and the folders
# that were there stay), and into a DESTDIR (no caches made there).
#   check_uninstall.sh INSTALL_SH BUILD WORK
set -euo pipefail
install_sh=$1 build=$2 work=$3
rm -rf -- "$work"
mkdir -p "$work"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Every file and folder below $1, one a line, relative and sorted.
tree() { (cd "$1" && find . -mindepth 1 | LC_ALL=C sort); }
# The files below $1 that are no cache a desktop tool made.
own_files() {
  tree "$1" | grep -v -E '^\./share/mime/[^p]|^\./share/mime/packages$|mimeinfo\.cache$|icon-theme\.cache$' || true
}
id=org.zerdo.Zerdo

# A new live prefix: the caches know the game, and uninstall leaves the folder
# the prefix's parent was.
live=$work/live
mkdir -p "$live"
"$install_sh" install "$build" "$live/prefix" "$work/live.record" >/dev/null
p=$live/prefix/share
[[ -x $live/prefix/games/zerdo ]] || fail "the game is not installed"
grep -q "application/x-zerdo-puzzle:\*\.zdo" "$p/mime/globs2" || fail "the MIME database lacks *.zdo"
grep -q "application/x-zerdo-puzzle=$id.desktop" "$p/applications/mimeinfo.cache" ||
  fail "the desktop database lacks the game"
[[ -s $p/icons/hicolor/icon-theme.cache ]] || fail "no icon cache"
"$install_sh" uninstall "$work/live.record" >/dev/null
[[ -z $(tree "$live") ]] || fail "left behind after uninstall:"$'\n'"$(tree "$live")"
[[ ! -e $work/live.record ]] || fail "the record outlives the uninstall"

# A prefix with another program in it: installed twice (the second install
# still knows the folders the first made), uninstalled once.
shared=$work/shared
mkdir -p "$shared/share/applications" "$shared/share/mime/packages" "$shared/bin"
printf '[Desktop Entry]\nType=Application\nName=Other\nExec=other\nMimeType=text/x-other;\n' \
  >"$shared/share/applications/other.desktop"
cat >"$shared/share/mime/packages/other.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="text/x-other"><comment>Other</comment><glob pattern="*.other"/></mime-type>
</mime-info>
EOF
echo other >"$shared/bin/other"
before=$(own_files "$shared")
"$install_sh" install "$build" "$shared" "$work/shared.record" >/dev/null
"$install_sh" install "$build" "$shared" "$work/shared.record" >/dev/null
"$install_sh" uninstall "$work/shared.record" >/dev/null
after=$(own_files "$shared")
[[ $after == "$before" ]] || fail "another program's prefix changed:"$'\n'"$(diff <(echo "$before") <(echo "$after"))"
grep -q "text/x-other" "$shared/share/mime/globs2" || fail "the MIME database forgot the other program"
! grep -q "zerdo" "$shared/share/mime/globs2" "$shared/share/applications/mimeinfo.cache" ||
  fail "the caches still name the game"

# Into a DESTDIR: the files land there, no cache is made, and uninstall
# empties it.
dest=$work/dest
mkdir -p "$dest"
DESTDIR=$dest "$install_sh" install "$build" /usr "$work/dest.record" >/dev/null
[[ -f $dest/usr/share/mime/packages/$id.xml ]] || fail "nothing in the DESTDIR"
[[ ! -e $dest/usr/share/mime/mime.cache ]] || fail "a MIME cache in the DESTDIR"
"$install_sh" uninstall "$work/dest.record" >/dev/null
[[ -z $(tree "$dest") ]] || fail "left in the DESTDIR:"$'\n'"$(tree "$dest")"

echo "install and uninstall checked: a new prefix, a shared prefix, a DESTDIR"
