# Sourced by the screenshot scripts: the program under Xvfb with openbox, its main window at
# 1280 x 820, a window file opened in the designer and the tools palette moved clear of the
# Controls flags pane. Expects $root (the source folder) and $work (a folder of its own).

# Starts the session on display $1 and opens the window file $2.
open_in_session() {
  export DISPLAY=$1
  Xvfb "$1" -screen 0 1280x820x24 >/dev/null 2>&1 & xpid=$!
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
  xdotool type --delay 20 "$2"; xdotool key Return; sleep 2
  tools=$(xdotool search --name '^Tools$' | head -1)
  xdotool windowmove "$tools" 950 120; sleep 1
}

# Saves the screen as $1 and ends the session.
take_screenshot() {
  import -window root "$1"
  kill $apid $opid $xpid 2>/dev/null
  wait 2>/dev/null
}
