#!/usr/bin/env bash
# Installs the Debian packages the web page needs: the WebAssembly compiler
# (em++) for make web, and a headless browser for make web-test. Only those
# missing; kept apart from install-deps.sh so that make run stays light.
set -euo pipefail
packages=(
  emscripten
  chromium
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
