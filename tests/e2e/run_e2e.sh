#!/usr/bin/env bash
# End-to-end: the real program under a real X server with a window manager. Clicks from the
# title window through the study menu (and its links window, whose frame must have the designed
# size and position) and the model menu to the cardiac-cycle window, types
# values, builds, checks the three curve colours in a screenshot of the chart, then closes the
# title window and expects the program to end.
# Usage: run_e2e.sh <program> [screenshot-dir]; runs itself under xvfb-run when there is no display.
set -euo pipefail
program=$(readlink -f "$1")
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

if [ -z "${E2E_INSIDE_X:-}" ]; then
  export E2E_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$program" "$shots"
fi
unset QT_QPA_PLATFORM  # a real X server this time

fail() { echo "e2e: FAIL: $*" >&2; exit 1; }

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true' EXIT
sleep 0.5

# A student under Russian regional settings types the decimal comma; the windows in Russian
# whatever the desktop's language.
LC_NUMERIC=ru_RU.UTF-8 "$program" --language ru >"$shots/program.log" 2>&1 &
app=$!

title="Модель гемодинамики сосудистого русла"
visible() {  # the program's visible windows captioned exactly $1
  local id
  for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id" || true
  done | sort
}
wait_for() {  # wait_for <title> [ids to ignore]; prints the id of a newly visible window
  local name=$1 ignore=${2:-} id
  for _ in $(seq 1 300); do
    id=$(comm -13 <(echo "$ignore" | sort) <(visible "$name") | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

form1=$(wait_for "$title") || fail "the title window did not appear"
sleep 0.5
# The taskbar groups the windows under the installed menu entry, whose StartupWMClass is
# "hemodynamics", and shows the heart icon.
wm_class=$(xprop -id "$form1" WM_CLASS)
[ "$wm_class" = 'WM_CLASS(STRING) = "hemodynamics", "hemodynamics"' ] || fail "$wm_class"
xprop -id "$form1" -notype 32c _NET_WM_ICON | grep -q '^_NET_WM_ICON = 64, 52, ' ||
  fail "the title window has no 64 x 52 icon"
before=$(visible "Исследование")
click "$form1" 232 524                                   # "Начать исследование!!!"
form2=$(wait_for "Исследование" "$before") || fail "the study menu did not open"

# The links window's designed size and position are those of its frame, once the window
# manager has framed it.
click "$form2" 244 88                                    # "Мультимедийная поддержка"
form3=$(wait_for "Проигрыватель") || fail "the links window did not open"
sleep 0.5
read -r l r t b < <(xprop -id "$form3" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
frame=$(xwininfo -id "$form3" | awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '
  /Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2}
  END{print x - l "," y - t " " w + l + r "x" h + t + b}')
echo "e2e: links window frame $frame"
[ "$frame" = "276,147 861x388" ] || fail "the links window's frame is $frame, not 276,147 861x388"
wmctrl -c "Проигрыватель"
click "$form2" 244 424                                   # "Исследование модели"
form15=$(wait_for "Исследование модели") || fail "the model menu did not open"
before=$(visible "Исследование")
click "$form15" 1108 240                                 # cardiac cycle, resistance (Х)
form22=$(wait_for "Исследование" "$before") || fail "the investigation window did not open"
sleep 0.5

type_into() { click "$form22" "$1" "$2"; xdotool type --delay 30 "$3"; }
type_into 404 103 "1,2"   # C
type_into 404 167 "50"    # inflow
type_into 200 295 "1"     # X1
type_into 200 335 "1,5"   # X2
type_into 200 375 "2"     # X3
click "$form22" 248 448   # "Построить график"
sleep 1

import -window root "$shots/e2e.png"
read -r x y < <(xwininfo -id "$form22" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
convert "$shots/e2e.png" -crop "553x449+$((x + 504))+$((y + 80))" +repage "$shots/chart.png"
count() { convert "$shots/chart.png" txt:- | grep -ci "#$1" || true; }
red=$(count FF0000); green=$(count 008000); blue=$(count 0000FF)
echo "e2e: curve pixels red=$red green=$green blue=$blue"
[ "$red" -gt 100 ] && [ "$green" -gt 100 ] && [ "$blue" -gt 100 ] || fail "the three curves are not all in the chart"

# The chart's menu (a right click), its last item "Печать…", and the print dialog, cancelled.
xdotool mousemove --window "$form22" 780 300 click 3
sleep 0.5
xdotool key Up Return
dialog=
for _ in $(seq 1 100); do
  dialog=$(visible "Print"; visible "Печать")
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "the print dialog did not open"
echo "e2e: print dialog opened"
xdotool key Escape
sleep 0.3

wmctrl -c "$title"
for _ in $(seq 1 50); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "closing the title window did not end the program"
wait "$app" || fail "the program exited with an error"
app=
echo "e2e: passed"
