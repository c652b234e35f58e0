#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed orvante-cli and orvante
# from an unrelated folder: they must find the database and the user guide of the
# installation, and say so when the database is missing.
# usage: installed_run_test.sh BUILD_DIR INSTALL_PREFIX WITH_GUI(ON|OFF) WITH_PNGS(ON|OFF)
set -uo pipefail
build=$1 prefix=$2 withGui=$3 withPngs=$4

tmp=$(mktemp -d)
gui_pid=
cleanup() {
  [ -n "$gui_pid" ] && kill "$gui_pid" 2>/dev/null && wait "$gui_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$tmp/stage" cmake --install "$build" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; exit 1; }
root="$tmp/stage$prefix"
data="$root/share/orvante"

expected=(bin/orvante-cli share/orvante/Database/melcmd.dat "share/orvante/Database/MEL Commands.txt"
  share/orvante/Help/index.html share/applications/orvante.desktop share/mime/packages/orvante.xml
  share/icons/hicolor/scalable/apps/orvante.svg share/man/man1/orvante-cli.1.gz share/man/man1/orvante.1.gz)
for type in script window icon project; do
  expected+=("share/icons/hicolor/scalable/mimetypes/orvante-$type.svg")
done
[ "$withGui" = ON ] && expected+=(bin/orvante)
if [ "$withPngs" = ON ]; then
  for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/orvante.png")
  done
fi
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "not installed: $file"
done
if [ "$withPngs" = ON ]; then
  file "$root/share/icons/hicolor/48x48/apps/orvante.png" | grep -q 'PNG image data, 48 x 48' \
    || fail "the 48 pixel icon is not a 48 x 48 PNG"
fi

# An unrelated current folder and home, as a menu or a terminal gives them.
elsewhere="$tmp/elsewhere"
mkdir -p "$elsewhere" "$tmp/home"
cd "$elsewhere" || exit 1
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config"
cli="$root/bin/orvante-cli"

flags=$("$cli" flags button 2>"$tmp/err") || fail "orvante-cli flags button: $(cat "$tmp/err")"
printf '%s\n' "$flags" | grep -qP '^\d+\t-l\t-label\tString$' || fail "flags of button without -label: $flags"

printf 'button -label "OK";\n' >"$elsewhere/ok.mel"
# The command colour (0xC000C0) around the command word.
"$cli" highlight ok.mel >"$tmp/coloured" 2>"$tmp/err" || fail "orvante-cli highlight: $(cat "$tmp/err")"
grep -qF $'\e[38;2;192;0;192mbutton\e[39m' "$tmp/coloured" || fail "button is not coloured as a command"
[ -s "$tmp/err" ] && fail "orvante-cli highlight complained: $(cat "$tmp/err")"

# The program writes its start-up notice on stderr: wait for it, or for quiet start-up.
start_gui() {
  QT_QPA_PLATFORM=offscreen "$root/bin/orvante" --no-splash >/dev/null 2>"$1" &
  gui_pid=$!
}
stop_gui() {
  kill "$gui_pid" 2>/dev/null
  wait "$gui_pid" 2>/dev/null
  gui_pid=
}
notice='No MEL command database was found'

if [ "$withGui" = ON ]; then
  # Without the installed database first, so this machine's start-up time is known: the notice
  # names both folders looked at, and comes once.
  mv "$data/Database" "$tmp/Database.away"
  started=$(date +%s%N)
  start_gui "$tmp/gui-without.err"
  for _ in $(seq 600); do
    grep -q "$notice" "$tmp/gui-without.err" && break
    kill -0 "$gui_pid" 2>/dev/null || break
    sleep 0.05
  done
  elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
  stop_gui
  grep -qF "$notice in $root/bin/Database or $data/Database" "$tmp/gui-without.err" \
    || fail "orvante without its database said: $(cat "$tmp/gui-without.err")"
  [ "$(grep -c "$notice" "$tmp/gui-without.err")" = 1 ] || fail "the missing database was reported more than once"
  "$cli" flags button >/dev/null 2>&1 && fail "orvante-cli listed flags without a database"
  mv "$tmp/Database.away" "$data/Database"

  # With it: still running after three times that start-up, and silent about the database.
  start_gui "$tmp/gui-with.err"
  sleep "$(( (3 * elapsed_ms + 1000) / 1000 )).$(( (3 * elapsed_ms + 1000) % 1000 / 100 ))"
  kill -0 "$gui_pid" 2>/dev/null || fail "orvante ended at start: $(cat "$tmp/gui-with.err")"
  stop_gui
  grep -q "$notice" "$tmp/gui-with.err" && fail "orvante did not find its installed database: $(cat "$tmp/gui-with.err")"
  # F1 opens Help/index.html of the folder the database was found in.
  [ -f "$data/Help/index.html" ] || fail "no user guide beside the installed database"
fi

[ "$failures" = 0 ] && echo "installed programs ran from $elsewhere"
exit $((failures > 0))
