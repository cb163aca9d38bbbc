#!/usr/bin/env bash
# Drives the real program in a real X11 window, as a user would: real key and mouse events,
# message boxes answered with Enter, the clipboard read from outside the process.
# Usage (inside an X display): gui_test.sh PROGRAM {mouse|keyboard|help|missing-help}
set -euo pipefail
program=$1
mode=$2

fail() { echo "FAIL: $*" >&2; exit 1; }
px() { echo $(( ($1 * 2 + 15) / 30 )); }   # twips to pixels

# Centre of a control, relative to the window's client area (positions in twips).
declare -A at=(
  [txbRadians]="$((120 + 1050 + 800)) $((120 + 225 + 180))"
  [plus]="$((120 + 2865 + 200)) $((120 + 225 + 180))"
  [txbToAdd]="$((120 + 4575 + 800)) $((120 + 225 + 180))"
  [chkRoundToMinutes]="$((120 + 2160 + 150)) $((120 + 750 + 187))"
  [chkDecimal]="$((120 + 4200 + 150)) $((120 + 720 + 187))"
  [optDecMinutes]="$((120 + 5235 + 150)) $((120 + 1020 + 187))"
  [txbDegrees]="$((120 + 1280 + 450)) $((1680 + 240 + 180))"
  [cmdDeg2Rad]="$((120 + 120 + 950)) $((1680 + 720 + 187))"
  [cmdChangeSign]="$((120 + 3750 + 727)) $((1680 + 720 + 180))"
  [clearInput]="$((120 + 725)) $((3075 + 187))"
  [clearOutput]="$((1785 + 725)) $((3075 + 187))"
  [cmdHelp]="$((3400 + 725)) $((3075 + 187))"
  [cmdCopyOutput]="$((120 + 600)) $((3600 + 157))"
)

click() {
  read -r x y <<<"${at[$1]}"
  xdotool mousemove --window "$window" "$(px "$x")" "$(px "$y")" click 1
  sleep 0.15
}
keys() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.1; }
clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null || true; }
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid $wm 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvanel 5\.54$' | head -1)
[ -n "$window" ] || fail "the main window did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.5

pane_is() {
  local expected=$1
  click cmdCopyOutput
  local got
  got=$(clipboard | od -c)
  [ "$got" = "$(printf '%s' "$expected" | od -c)" ] || {
    echo "pane holds:"; clipboard | cat -A; fail "pane differs from: $(printf '%s' "$expected" | cat -A)"
  }
}

quit_with_close_box() {
  wmctrl -c 'Orvanel 5.54'
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end with its window"
  wait "$pid" || fail "the program ended with an error"
  [ -z "$(window_named 'Help for Orvanel')" ] || fail "the viewer outlived the program"
}

crlf=$'\r\n'
start_line="1.00 radians = 57°17'45\"$crlf"

case "$mode" in
mouse)
  click clearInput
  click txbDegrees; type_text 30; keys Return
  line1="30°0'0\" = 0.52360 radians$crlf"

  click txbDegrees; keys ctrl+a; type_text abc; keys Return
  box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Degrees to radians$' | head -1)
  [ -n "$box" ] || fail "no message for a bad entry"
  keys Return
  sleep 0.5
  [ -z "$(window_named '^Degrees to radians$')" ] || fail "the message came back after Enter"

  click txbRadians; keys ctrl+a; type_text 1; keys Return
  click chkRoundToMinutes; click txbRadians; keys Return; click chkRoundToMinutes
  click chkDecimal; click txbRadians; keys Return
  click optDecMinutes; click txbRadians; keys Return; click chkDecimal
  forms="1.00000 radians = 57°17'45\"${crlf}1.00000 radians = 57°18'${crlf}"
  forms+="1.00000 radians = 57.2958°${crlf}1.00000 radians = 57°17.75'${crlf}"

  click txbRadians; keys ctrl+a; type_text 3
  click txbToAdd; type_text 4; click plus
  sum="(3 + 4) mod 2pi = 0.71681$crlf"

  click clearInput
  click txbDegrees; type_text 30; click cmdChangeSign; click cmdDeg2Rad
  negative="-30°0'0\" = -0.52360 radians$crlf"

  pane_is "$start_line$line1$forms$sum$negative"
  click clearOutput
  pane_is ""
  quit_with_close_box
  ;;
keyboard)
  keys ctrl+a; type_text 2; keys Return                      # focus starts in Radians
  keys Tab Tab Tab Tab Tab space                              # to Change sign
  keys space                                                  # focus is on Degrees to radians
  keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab        # round to the second value
  type_text 1
  keys shift+Tab space                                        # +
  keys shift+Tab shift+Tab shift+Tab space                    # Copy to clipboard
  expected="${start_line}2.00000 radians = 114°35'30\"${crlf}"
  expected+="-114°35'30\" = -2.00000 radians${crlf}(-2 + 1) mod 2pi = 5.28319${crlf}"
  [ "$(clipboard | od -c)" = "$(printf '%s' "$expected" | od -c)" ] || {
    clipboard | cat -A; fail "keyboard run: unexpected pane"; }
  keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space   # Quit
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "Quit did not end the program"
  ;;
help)
  click cmdHelp
  viewer=$(timeout 10 xdotool search --sync --onlyvisible --name '^Help for Orvanel$' | head -1)
  [ -n "$viewer" ] || fail "Help showed no viewer"
  xdotool windowactivate --sync "$viewer" 2>/dev/null || true
  sleep 0.3
  keys ctrl+a ctrl+c
  first=$(clipboard | head -1 | tr -d '\r')
  [ "$first" = "Orvanel - a calculator for plane angles" ] || fail "help begins: '$first'"
  quit_with_close_box
  ;;
missing-help)
  click cmdHelp
  box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Error reading file$' | head -1)
  [ -n "$box" ] || fail "no message for a missing help file"
  keys Return
  sleep 1
  [ -z "$(window_named '^Error reading file$')" ] || fail "the message came back"
  [ -z "$(window_named '^Help for Orvanel$')" ] || fail "the viewer stayed visible"
  click cmdHelp
  timeout 10 xdotool search --sync --onlyvisible --name '^Help for Orvanel$' >/dev/null ||
    fail "a second Help showed no viewer"
  sleep 1
  [ -z "$(window_named '^Error reading file$')" ] || fail "a second message"
  quit_with_close_box
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "PASS: $mode"
