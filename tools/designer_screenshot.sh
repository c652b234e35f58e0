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
source "$root/tools/screenshot_session.sh"
open_in_session :97 "$work/RenderOptions.wnd"
xdotool mousemove 135 225 click 1; sleep 0.5          # Button1 in the hierarchy
main=$(xdotool search --name '^ORVANTE' | head -1)
xdotool windowactivate "$main"; sleep 0.5
xdotool key ctrl+g; sleep 1.5                          # Export script
xdotool type --delay 20 "$work/RenderOptions.mel"; xdotool key Return; sleep 2
xdotool mousemove 600 700; xdotool click --repeat 12 --delay 30 4; sleep 0.5
xdotool mousemove 1090 272 click 1; sleep 0.5       # the label row of the Controls flags grid
xdotool mousemove 700 500; sleep 1
take_screenshot "$root/docs/designer.png"
