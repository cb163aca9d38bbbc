#!/usr/bin/env bash
# Drives the real program in a real X11 window, as a user would: real key and mouse events,
# message boxes answered with Enter, the clipboard read from outside the process.
# What assistive technology reads is read back through the accessibility bus, and the browser
# is a stand-in that notes the address it was asked to open.
# It starts its own virtual display and session bus. Without the tools it needs it reports
# itself skipped, or in CI (CI set) fails with the reason.
# Usage: gui_test.sh PROGRAM {mouse|help}
set -Eeuo pipefail
if [ -z "${ORVANEL_ON_XVFB:-}" ]; then
  for tool in xvfb-run dbus-run-session openbox xdotool xclip wmctrl python3; do
    command -v "$tool" >/dev/null && continue
    [ -n "${CI:-}" ] && { echo "FAIL: cannot run: $tool is not installed"; exit 1; }
    echo "SKIPPED: $tool is not installed"; exit 77
  done
  ORVANEL_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x720x24" dbus-run-session -- "$0" "$@"
fi
program=$1
mode=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)

fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
# Controls are named as assistive technology names them, "role|name", and found where it says
# they are; "pane N" is N pixels right of the results pane's first character.
declare -A box
load_places() { while IFS='|' read -r role name where; do box["$role|$name"]=$where; done < <(a11y places); }
xy() {
  local name=$1 offset=
  [[ $1 == "pane "* ]] && name="text|Results" offset=${1#pane }
  [ -n "${box[$name]:-}" ] || fail "not on the accessibility bus: $name"
  read -r x y w h <<<"${box[$name]}"
  if [ -n "$offset" ]; then echo "$((x + offset)) $((y + 8))"; else echo "$((x + w / 2)) $((y + h / 2))"; fi
}
# shellcheck disable=SC2046 # xy gives two words on purpose
click() { xdotool mousemove $(xy "$1") click 1; sleep 0.15; }
keys() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.1; }
clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null || true; }
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
# shellcheck disable=SC2046
drag() {
  xdotool mousemove $(xy "$1") mousedown 1 mousemove $(xy "$2") mouseup 1
  sleep 0.2
}
a11y() { timeout 20 /usr/bin/python3 "$here/a11y.py" "$@"; }
# Assistive technology sees an object with this role and name.
heard() { a11y tree | grep -xF "$1" >/dev/null || { a11y tree >&2; fail "not on the accessibility bus: $1"; }; }

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
openbox >/dev/null 2>&1 & wm=$!
for _ in $(seq 100); do   # a loaded machine can start the window manager before the display
  kill -0 "$wm" 2>/dev/null || { openbox >/dev/null 2>&1 & wm=$!; }
  wmctrl -m >/dev/null 2>&1 && break; sleep 0.1
done
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$scratch" | install -m 755 /dev/stdin "$scratch/xdg-open"
sleep 0.5
PATH="$scratch:$PATH" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 & pid=$!
trap 'kill $pid $wm $bus 2>/dev/null || true; rm -rf "$scratch"' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvanel [0-9.]+$' | head -1)
[ -n "$window" ] || fail "the main window did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.5
load_places

pane_is() {
  click "push button|Copy to clipboard"
  [ "$(clipboard | od -c)" = "$(printf '%s' "$1" | od -c)" ] || {
    clipboard | cat -A; fail "the pane differs from: $(printf '%s' "$1" | cat -A)"; }
}

quit_with_close_box() {
  for _ in $(seq 50); do wmctrl -i -c "$window" 2>/dev/null && break; sleep 0.1; done
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end with its window"
  wait "$pid" || fail "the program ended with an error"
  [ -z "$(window_named 'Help for Orvanel')" ] || fail "the viewer outlived the program"
}

crlf=$'\r\n'
start_line="1.00 radians = 57°17'45\"$crlf"

case "$mode" in
mouse)
  click "push button|Clear input"
  click "text|Degrees"; type_text 30; keys Return
  line1="30°0'0\" = 0.52360 radians$crlf"

  click "text|Degrees"; keys ctrl+a; type_text abc; keys Return
  box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Degrees to radians$' | head -1)
  [ -n "$box" ] || fail "no message for a bad entry"
  keys Return
  sleep 0.5
  [ -z "$(window_named '^Degrees to radians$')" ] || fail "the message came back after Enter"

  click "text|Radians"; keys ctrl+a; type_text 1; keys Return
  click "check box|Round to minutes"; click "text|Radians"; keys Return; click "check box|Round to minutes"
  click "check box|Output in decimal"; click "text|Radians"; keys Return
  click "radio button|minutes"; click "text|Radians"; keys Return; click "check box|Output in decimal"
  forms="1.00000 radians = 57°17'45\"${crlf}1.00000 radians = 57°18'${crlf}"
  forms+="1.00000 radians = 57.2958°${crlf}1.00000 radians = 57°17.75'${crlf}"

  click "text|Radians"; keys ctrl+a; type_text 3
  click "text|Second value"; type_text 4; click "push button|Add"
  sum="(3 + 4) mod 2pi = 0.71681$crlf"

  click "push button|Clear input"
  a11y names 3 >"$scratch/names" & watcher=$!
  sleep 1
  click "text|Degrees"; type_text 30; click "push button|Change sign "
  wait "$watcher"
  grep -qxF "Sign: minus" "$scratch/names" || fail "no name change announced for the sign"
  heard "label|Sign: minus"
  keys Return KP_Enter                   # the sign moved the focus to Degrees to radians
  negative="-30°0'0\" = -0.52360 radians$crlf"
  negative+=$negative
  keys Tab space                                             # the publisher link, after it
  sleep 0.5
  [ "$(cat "$scratch/opened" 2>/dev/null)" = "https://orvanel.example.org/" ] ||
    fail "the link did not open the publisher's page"

  drag "pane 4" "pane 120"
  heard "push button|Copy selected text to clipboard"
  click "pane 60"                                           # a click inside the selection
  heard "push button|Copy to clipboard"
  heard "link|© 2026 The Orvanel developers"

  pane_is "$start_line$line1$forms$sum$negative"
  click "push button|Clear output"
  pane_is ""
  quit_with_close_box
  ;;
help)
  click "push button|Help"
  viewer=$(timeout 10 xdotool search --sync --onlyvisible --name '^Help for Orvanel$' | head -1)
  [ -n "$viewer" ] || fail "Help showed no viewer"
  xdotool windowactivate --sync "$viewer" 2>/dev/null || true
  sleep 0.3
  keys ctrl+a ctrl+c
  first=$(clipboard | head -1 | tr -d '\r')
  [ "$first" = "Orvanel - a calculator for plane angles" ] || fail "help begins: '$first'"
  heard "text|Help for Orvanel"
  quit_with_close_box
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "PASS: $mode"
