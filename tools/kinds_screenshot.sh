#!/usr/bin/env bash
# Takes docs/designer-kinds.png under Xvfb with openbox: the window that tools/AddedKinds.mel
# makes (frame layouts open, collapsed and bordered, the separator's styles), imported with
# orvante-cli and open in the designer.
# Needs a built tree (build/bin/orvante, build/bin/orvante-cli), xvfb, openbox, xdotool and
# ImageMagick's import.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/build/bin/orvante-cli" import "$root/tools/AddedKinds.mel" -o "$work/AddedKinds.wnd" || exit 1
source "$root/tools/screenshot_session.sh"
open_in_session :96 "$work/AddedKinds.wnd"
xdotool mousemove 700 700; sleep 1
take_screenshot "$root/docs/designer-kinds.png"
