#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate and names an icon that is installed.
# usage: desktop_entry_test.sh SOURCE_DIR
set -uo pipefail
desktop=$1/data/desktop
if ! command -v desktop-file-validate >/dev/null; then
  echo "SKIPPED: desktop-file-validate is missing (Debian: desktop-file-utils; scripts/setup installs it)"
  exit 77
fi
desktop-file-validate "$desktop/orvante.desktop" || exit 1
icon=$(sed -n 's/^Icon=//p' "$desktop/orvante.desktop")
[ -f "$desktop/icons/$icon.svg" ] || { echo "FAIL: no icon $icon.svg"; exit 1; }
echo "orvante.desktop is valid"
