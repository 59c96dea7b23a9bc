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
exec "$(dirname "$0")/install-missing.sh" "${packages[@]}"
