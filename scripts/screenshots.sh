#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on a virtual X screen and saves screenshots of option page 1, option
# page 2, a message, the GPRS label dialog in front of the main window, the open and the save
# dialog, the File menu, the help window, a flex opened from the command line with the bytes it
# changes on a tint, the byte inspector's tool-tip, that flex in the raw previews, the status
# bar's notice once another program has changed its file, the recovery question after a kill,
# and a run with an options file of the user's: the message about its problems at start-up and
# the third page with its options.
#   scripts/screenshots.sh [--scale FACTOR] [OUTDIR] [PROGRAM]
# FACTOR scales the whole window as a high-resolution desktop does (QT_SCALE_FACTOR; 1.25 is
# a desktop at 125%). OUTDIR defaults to out/screenshots; PROGRAM to build/src/ui/flexedit
# (built when missing). The changed flex is made with flexedit-cli from the same build (src/cli
# beside src/ui). SCREENSHOTS_DISPLAY (a number) is the first display tried, 99 by default.
# Settings, recent files and run-time files go to a scratch folder of the script's own, never
# the user's.
# The window speaks the language LANGUAGE or LANG ask for (LANGUAGE=en for English).
set -euo pipefail
cd "$(dirname "$0")/.."
scale=1
if [ "${1:-}" = --scale ]; then
  scale=$2
  shift 2
fi
out=${1:-out/screenshots}
program=${2:-build/src/ui/flexedit}

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v xwininfo >/dev/null || need+=(x11-utils)
command -v openbox >/dev/null || need+=(openbox)
[ -x /usr/bin/import ] || need+=(imagemagick)
if ((${#need[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

if [ ! -x "$program" ]; then
  scripts/setup.sh
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target flexedit flexedit-cli
  program=build/src/ui/flexedit
fi
cli=$(dirname "$program")/../cli/flexedit-cli
[ -x "$cli" ] || cmake --build "$(dirname "$program")/../.." --target flexedit-cli
mkdir -p "$out"
work=$(mktemp -d)

export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A free display number.
display=${SCREENSHOTS_DISPLAY:-99}
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_SCALE_FACTOR=$scale

pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

screen=$(awk -v s="$scale" 'BEGIN {if (s < 1) s = 1; printf "%dx%d", 1024 * s, 768 * s}')
Xvfb "$DISPLAY" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# A window manager, for title bars and the stacking of the tool window.
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The window's place, and the window manager's frame around it (title bar included).
geometry() {  # window id -> X Y WIDTH HEIGHT, on the screen
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
start() {  # title [argument]: starts the program and waits for its main window
  "$program" "${@:2}" &
  pids+=($!)
  program_pid=$!
  main=$(xdotool search --sync --onlyvisible --name "$1" | head -n1)
  sleep 1
  read -r X Y WIDTH HEIGHT < <(geometry "$main")
  read -r left right top bottom < <(xprop -id "$main" _NET_FRAME_EXTENTS |
    sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1 \2 \3 \4/p')
  left=${left:-0} right=${right:-0} top=${top:-0} bottom=${bottom:-0}
  # The client area (5805 twips high) lies between the menu bar and the status bar (255).
  menu=$(awk -v h="$HEIGHT" -v s="$scale" 'BEGIN {printf "%d", h - 387 * s - 17 * s + 0.5}')
}
at() {  # x y at 96 dpi in the client area -> pixels in the main window
  awk -v x="$1" -v y="$2" -v s="$scale" -v m="$menu" 'BEGIN {printf "%d %d", x * s, y * s + m}'
}
shoot() {  # file: the main window with its frame
  import -window root -crop "$((WIDTH + left + right))x$((HEIGHT + top + bottom))+$((X - left))+$((Y - top))" +repage "$1"
}

start '^Tessaron Orvane$'

click() {  # x y, in the main window's client area (pixels at 96 dpi)
  # shellcheck disable=SC2046
  xdotool mousemove --window "$main" $(at "$1" "$2") click 1
  sleep 0.5
}
dialog() {  # file: the file dialog a picture button opened, over the main window; then closed
  sleep 1.5
  import -window root "$1"
  xdotool key Escape  # the dialog has the focus
  sleep 0.5
}

shoot "$out/page1.png"

click 100 20   # tab "Pag. 2"
xdotool mousemove 0 0
sleep 0.3
shoot "$out/page2.png"

click 40 20    # tab "Pagina 1"
# A message: "GPRS Personale" (the lowest box of page 1, top 4680 twips in a frame at 600)
# while "GPRS Null" (the one above it) is ticked.
click 24 344
click 24 360
sleep 1
import -window root "$out/message.png"
xdotool key Return
sleep 0.5
click 24 344   # "GPRS Null" cleared
click 24 360   # "GPRS Personale": the label dialog (in English or Italian)
dialog=$(xdotool search --sync --onlyvisible --name '^(Personalizzazione Scritta GPRS|Custom GPRS Label)$' | head -n1)
sleep 0.5
xdotool type --window "$dialog" --delay 50 "Ciao A835"
sleep 0.5
import -window root "$out/label-dialog.png"  # the whole screen: both windows

xdotool key Escape  # closes it (it has the focus); "GPRS Personale" stays ticked
sleep 0.5
click 220 20   # "Apri Flex..."
dialog "$out/open-dialog.png"
click 252 20   # "Salva Flex..."
dialog "$out/save-dialog.png"

# The File menu with its letters and keys, then the help window (F1) in front of the window.
xdotool key --window "$main" alt+f
sleep 0.7
import -window root "$out/file-menu.png"
xdotool key Escape
sleep 0.3
xdotool key --window "$main" F1
xdotool search --sync --onlyvisible --name '^Help - Tessaron Orvane$' >/dev/null
sleep 1
import -window root "$out/help.png"

kill "$program_pid"
wait "$program_pid" 2>/dev/null || true

# A flex with some options ticked and a personal label, named on the command line: the title
# names it, and the bytes it changes against the built-in flex are on a tint.
flex="$work/modificata.hs"
"$cli" --tick 'Check1(0)' --tick 'Check3(2)' --tick 'Check5(8)' --tick 'Check5(11)' \
  --tick 'Check4(2)' --tick 'Check3(1)' --tick 'Check1(5)' --label 'Ciao A835' --save "$flex" >/dev/null
start '^Tessaron Orvane - modificata\.hs$' "$flex"
xdotool mousemove 0 0
sleep 0.3
shoot "$out/highlight.png"

# The byte inspector: the mouse rests on Base byte 90 ("Menu Engineering"), pair 4 of line
# "40" of the formatted Base box, until the tool-tip shows.
# shellcheck disable=SC2046
xdotool mousemove --window "$main" $(at 320 134)
tip=""
for _ in $(seq 50); do
  for w in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && tip=$w
  done
  [ -n "$tip" ] && break
  sleep 0.1
done
[ -n "$tip" ] || { echo "no tool-tip over the byte" >&2; exit 1; }
sleep 0.3
# The main window and the tool-tip, which may stand out of it.
read -r TX TY TW TH < <(geometry "$tip")
x0=$((X - left)) y0=$((Y - top))
x1=$((X + WIDTH + right)) y1=$((Y + HEIGHT + bottom))
((TX + TW + 4 > x1)) && x1=$((TX + TW + 4))
((TY + TH + 4 > y1)) && y1=$((TY + TH + 4))
import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$out/inspector.png"

# The same flex in the raw previews ("Formattazione Testo" cleared), its changed bytes tinted.
xdotool mousemove 0 0
sleep 0.3
click 240 284
xdotool mousemove 0 0
sleep 0.3
shoot "$out/raw.png"

# Another program changes the open file: the status bar offers to load it again.
"$cli" --open "$flex" --clear 'Check5(8)' --save "$flex" >/dev/null
sleep 1.5
shoot "$out/disk-notice.png"

# A change not saved, the window killed a second later: started again, it offers the recovery
# copy (the whole screen: the question over the main window).
click 24 72    # "Menu Engineering", the highest box of page 1
sleep 1
kill -9 "$program_pid"
wait "$program_pid" 2>/dev/null || true
"$program" &
pids+=($!)
program_pid=$!
sleep 3
import -window root "$out/restore-question.png"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
rm -rf "$XDG_STATE_HOME/flexedit/recovery"  # the copy offered: no question in the next run

# The user's options: a few that load (a caption too long for the page among them) and two
# entries with problems, reported in one message at start-up.
cat >"$work/options.json" <<'JSON'
{"options": [
  {"id": "MyBit", "caption": "My bit", "toolTip": "What it does on the phone",
   "record": "Base", "position": 181, "bits": [3], "polarity": "ticked sets", "gated": false},
  {"id": "Suoneria", "caption": "Suoneria prolungata", "record": "Base", "position": 45,
   "bits": [1], "polarity": "ticked sets"},
  {"id": "Registro", "caption": "Registro chiamate esteso", "record": "Call", "position": 51,
   "bits": [8, 7], "polarity": "ticked clears", "gated": true},
  {"id": "Lungo", "caption": "Una didascalia molto lunga che non entra nella pagina",
   "toolTip": "Tagliata con i puntini", "record": "Base", "position": 101, "bits": [2],
   "polarity": "ticked sets"},
  {"id": "Bad", "caption": "", "record": "Base", "position": 182, "bits": [3],
   "polarity": "ticked sets"},
  {"id": "Check1(0)", "caption": "x", "record": "GPRS", "position": 45, "bits": [9],
   "polarity": "ticked sets"}
]}
JSON
start '^Tessaron Orvane$' --options "$work/options.json"
xdotool search --sync --onlyvisible --name '^(Opzioni Utente|User Options)$' >/dev/null
sleep 0.5
import -window root "$out/options-problems.png"  # the whole screen: the message over the window
xdotool key Return
sleep 0.5
click 175 20   # tab "Opzioni utente"
xdotool mousemove 0 0
sleep 0.3
shoot "$out/page3.png"

echo "Screenshots in $out: page1.png page2.png message.png label-dialog.png open-dialog.png save-dialog.png" \
  "file-menu.png help.png highlight.png inspector.png raw.png disk-notice.png" \
  "restore-question.png options-problems.png page3.png"
