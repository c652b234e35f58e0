#!/usr/bin/env bash
# The MIME file and the icons are well-formed XML, and a MIME database built from the file
# knows the four file types: ".mel" a subclass of text/plain, each type with its own icon.
# usage: mime_types_test.sh SOURCE_DIR
set -uo pipefail
desktop=$1/data/desktop
for tool in xmllint update-mime-database; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (Debian: libxml2-utils, shared-mime-info; scripts/setup installs them)"
    exit 77
  fi
done
xmllint --noout "$desktop/orvante.xml" "$desktop"/icons/*.svg || exit 1

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp "$desktop/orvante.xml" "$tmp/mime/packages/"
XDG_DATA_HOME="$tmp" update-mime-database "$tmp/mime" 2>"$tmp/err"
[ -s "$tmp/err" ] && { echo "FAIL: update-mime-database: $(cat "$tmp/err")"; exit 1; }

failures=0
expect() { grep -qxF "$2" "$tmp/mime/$1" || { echo "FAIL: $1 lacks \"$2\""; failures=$((failures + 1)); }; }
expect globs2 "50:text/x-mel:*.mel"
expect globs2 "50:application/x-orvante-window:*.wnd"
expect globs2 "50:application/x-orvante-icon:*.icm"
expect globs2 "50:application/x-orvante-project:*.mp"
expect subclasses "text/x-mel text/plain"
for type in script window icon project; do
  [ -f "$desktop/icons/orvante-$type.svg" ] || { echo "FAIL: no icon orvante-$type.svg"; failures=$((failures + 1)); }
done
expect icons "text/x-mel:orvante-script"
expect icons "application/x-orvante-window:orvante-window"
expect icons "application/x-orvante-icon:orvante-icon"
expect icons "application/x-orvante-project:orvante-project"
[ "$failures" = 0 ] && echo "the four file types are known"
exit $((failures > 0))
