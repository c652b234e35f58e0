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
export DISPLAY=:96
Xvfb :96 -screen 0 1280x820x24 >/dev/null 2>&1 & xpid=$!
sleep 1
openbox >/dev/null 2>&1 & opid=$!
sleep 1
(cd "$root/build/bin" && XDG_CONFIG_HOME="$work" ./orvante --no-splash >/dev/null 2>&1) & apid=$!
sleep 3
main=$(xdotool search --name '^ORVANTE' | head -1)
xdotool windowmove "$main" 0 0
xdotool windowsize "$main" 1280 820
sleep 1
xdotool windowactivate --sync "$main"
xdotool key ctrl+o; sleep 2
xdotool type --delay 20 "$work/AddedKinds.wnd"; xdotool key Return; sleep 2
tools=$(xdotool search --name '^Tools$' | head -1)
xdotool windowmove "$tools" 950 120; sleep 1       # clear of the Controls flags pane
xdotool mousemove 700 700; sleep 1
import -window root "$root/docs/designer-kinds.png"
kill $apid $opid $xpid 2>/dev/null
wait 2>/dev/null
