#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick fonts-dejavu-core
  clang libclang-rt-14-dev clang-format
  time
  # rebuilds from a cache, shared by every checkout of the tree
  ccache
  # install and package: the icons' SVG, the desktop files' validators, the
  # MIME database, the man page's formatter, the Debian package's tools
  qt6-svg-dev desktop-file-utils appstream libxml2-utils shared-mime-info groff-base
  gtk-update-icon-cache
  dpkg-dev file lintian
  # Qt's own strings in German and Dutch
  qt6-translations-l10n
  # the printed puzzle read back: its text and its picture
  poppler-utils
)
exec "$(dirname "$0")/install-missing.sh" "${packages[@]}"
