#!/usr/bin/env bash
# make install and make uninstall: the game installed below a prefix (DESTDIR
# honoured), and taken away again.
#   tools/install.sh install BUILD PREFIX RECORD
#   tools/install.sh uninstall RECORD
# install first installs into a scratch folder to learn what it will put and
# which folders it will make, writes that into RECORD, then installs for real.
# uninstall removes the files RECORD names, then those of its folders that are
# left empty; a folder that was there before, or that holds anything else, stays.
# Installed to a live prefix (no DESTDIR), the desktop's caches of MIME types,
# desktop entries and icons are brought up to date after either.
set -euo pipefail
stage=""

die() {
  echo "$0: $*" >&2
  exit 1
}

# The caches below PREFIX's share folder: each brought up to date where its
# tool is at hand. A cache in a folder the install made that now describes
# nothing is removed instead, so that the folder can go.
#   refresh_caches SHARE LIVE OURS...
refresh_caches() {
  local share=$1 live=$2
  shift 2
  local -a ours=("$@")
  made() {
    local d
    for d in "${ours[@]}"; do [[ $d == "$1" ]] && return 0; done
    return 1
  }
  local mime=$share/mime apps=$share/applications icons=$share/icons/hicolor
  if [[ -d $mime ]]; then
    if made "$mime" && [[ -z $(find "$mime/packages" -type f 2>/dev/null) ]]; then
      rm -rf -- "$mime"
    elif [[ $live == 1 ]] && command -v update-mime-database >/dev/null; then
      update-mime-database "$mime"
    fi
  fi
  if [[ -d $apps ]]; then
    if made "$apps" && [[ -z $(find "$apps" -name '*.desktop') ]]; then
      rm -f -- "$apps/mimeinfo.cache"
    elif [[ $live == 1 ]] && command -v update-desktop-database >/dev/null; then
      update-desktop-database -q "$apps"
    fi
  fi
  if [[ -d $icons ]]; then
    if made "$icons" && [[ -z $(find "$icons" -type f ! -name icon-theme.cache) ]]; then
      rm -f -- "$icons/icon-theme.cache"
    elif [[ $live == 1 ]] && command -v gtk-update-icon-cache >/dev/null; then
      gtk-update-icon-cache -q -t -f "$icons"
    fi
  fi
}

# Reads RECORD into the caller's destdir, prefix, folders and files.
read_record() {
  local line
  while IFS= read -r line; do
    case $line in
      "destdir "*) destdir=${line#destdir } ;;
      "prefix "*) prefix=${line#prefix } ;;
      "folder "*) folders+=("${line#folder }") ;;
      "file "*) files+=("${line#file }") ;;
      *) die "$1: not a record of an install: $line" ;;
    esac
  done <"$1"
}

install() {
  local build=$1 to=$2 record=$3
  [[ -f $build/cmake_install.cmake ]] || die "$build is no configured build folder"
  [[ $to == /* ]] || to=$PWD/$to
  local to_destdir=${DESTDIR:-}

  stage=$(mktemp -d)
  trap 'rm -rf -- "$stage"' EXIT
  DESTDIR=$stage cmake --install "$build" --prefix "$to" >/dev/null

  # What a former install from this build to the same place recorded stays
  # recorded: its folders were made by it, though they are there now.
  local destdir="" prefix="" path
  local -a folders=() files=()
  if [[ -f $record ]]; then
    read_record "$record"
    if [[ $destdir != "$to_destdir" || $prefix != "$to" ]]; then
      folders=() files=()
    fi
  fi
  while IFS= read -r -d '' path; do
    path=$to_destdir${path#"$stage"}
    [[ -e $path ]] || folders+=("$path")
  done < <(find "$stage" -mindepth 1 -type d -print0)
  while IFS= read -r -d '' path; do
    files+=("$to_destdir${path#"$stage"}")
  done < <(find "$stage" ! -type d -print0)

  {
    printf 'destdir %s\nprefix %s\n' "$to_destdir" "$to"
    # Deepest first, so that a folder is emptied before its parent is tried.
    printf '%s\n' "${folders[@]}" | LC_ALL=C sort -ru | sed '/^$/d; s/^/folder /'
    printf '%s\n' "${files[@]}" | LC_ALL=C sort -u | sed '/^$/d; s/^/file /'
  } >"$record.new"
  mv -f -- "$record.new" "$record"

  cmake --install "$build" --prefix "$to"
  if [[ -z $to_destdir ]]; then
    refresh_caches "$to/share" 1
  fi
}

uninstall() {
  local record=$1 destdir="" prefix=""
  local -a folders=() files=()
  [[ -f $record ]] || die "$record: nothing was installed from this build"
  read_record "$record"
  local path
  for path in "${files[@]}"; do
    rm -f -- "$path"
  done
  local live=0
  [[ -z $destdir ]] && live=1
  refresh_caches "$destdir$prefix/share" "$live" "${folders[@]}"
  for path in "${folders[@]}"; do
    rmdir -- "$path" 2>/dev/null || true
  done
  rm -f -- "$record"
  echo "removed ${#files[@]} files installed below $destdir$prefix"
}

case ${1:-} in
  install) [[ $# == 4 ]] || die "usage: $0 install BUILD PREFIX RECORD"; install "$2" "$3" "$4" ;;
  uninstall) [[ $# == 2 ]] || die "usage: $0 uninstall RECORD"; uninstall "$2" ;;
  *) die "usage: $0 install BUILD PREFIX RECORD | uninstall RECORD" ;;
esac
