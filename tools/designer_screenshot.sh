#!/usr/bin/env bash
# Takes docs/designer.png under Xvfb with openbox: tools/RenderOptions.wnd open in the designer,
# a button selected in the hierarchy with its flags in the Controls flags grid beside the
# designer, and the Output pane after Export script.
# Needs a built tree (build/bin/orvante), xvfb, openbox, xdotool and ImageMagick's import.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/tools/RenderOptions.wnd" "$work/"
export DISPLAY=:97
Xvfb :97 -screen 0 1280x820x24 >/dev/null 2>&1 & xpid=$!
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
xdotool type --delay 20 "$work/RenderOptions.wnd"; xdotool key Return; sleep 2
tools=$(xdotool search --name '^Tools$' | head -1)
xdotool windowmove "$tools" 950 120; sleep 1       # clear of the Controls flags pane
xdotool mousemove 135 225 click 1; sleep 0.5          # Button1 in the hierarchy
main=$(xdotool search --name '^ORVANTE' | head -1)
xdotool windowactivate "$main"; sleep 0.5
xdotool key ctrl+g; sleep 1.5                          # Export script
xdotool type --delay 20 "$work/RenderOptions.mel"; xdotool key Return; sleep 2
xdotool mousemove 600 700; xdotool click --repeat 12 --delay 30 4; sleep 0.5
xdotool mousemove 1090 272 click 1; sleep 0.5       # the label row of the Controls flags grid
xdotool mousemove 700 500; sleep 1
import -window root "$root/docs/designer.png"
kill $apid $opid $xpid 2>/dev/null
wait 2>/dev/null
