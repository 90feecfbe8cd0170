#!/usr/bin/env bash
# The real program's command line: --help and --version answer without any display, an unknown
# option is one line and exit status 2, Qt's own options are still taken, and without a display
# the program says so in one line and exits with 1 instead of aborting.
# Usage: check_command_line.sh <program> <version>
set -uo pipefail
program=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "command line: FAIL: $*" >&2; failures=$((failures + 1)); }

# run <name> <args...>: runs the program without any display, on a desktop of no language (the
# program's own, Russian); keeps stdout, stderr, status.
run() {
  local name=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
    "$program" "$@" >"$out/$name.out" 2>"$out/$name.err"
  echo $? >"$out/$name.status"
}
status() { cat "$out/$1.status"; }
lines() { wc -l <"$out/$1.$2"; }
expect() {  # expect <name> <status> <stream> <lines, or - for any> <text>
  local name=$1 want=$2 stream=$3 count=$4 text=$5
  [ "$(status "$name")" = "$want" ] || fail "$name: exit status $(status "$name"), not $want"
  [ "$count" = - ] || [ "$(lines "$name" "$stream")" = "$count" ] ||
    fail "$name: $(lines "$name" "$stream") lines on std$stream, not $count: $(cat "$out/$name.$stream")"
  grep -qF -- "$text" "$out/$name.$stream" || fail "$name: no \"$text\" in: $(cat "$out/$name.$stream")"
}

run help --help
expect help 0 out - "Использование: hemodynamics [параметр]"
grep -qF -- "--version" "$out/help.out" || fail "help: --version is not explained"
[ -s "$out/help.err" ] && fail "help: wrote to stderr: $(cat "$out/help.err")"

run version --version
expect version 0 out 1 "Модель гемодинамики сосудистого русла (hemodynamics) $version"

run short_help -h
expect short_help 0 out - "Использование"

run unknown --no-such-option
expect unknown 2 err 1 "неизвестный параметр «--no-such-option»"
[ -s "$out/unknown.out" ] && fail "unknown: wrote to stdout"

run missing_value -platform
expect missing_value 2 err 1 "параметру «-platform» нужно значение"

run argument lesson.txt
expect argument 2 err 1 "лишний аргумент «lesson.txt»"

# Help comes before the display even among Qt's options.
run help_with_qt -platform xcb -display :1 --help
expect help_with_qt 0 out - "Использование"

# No display at all, then a display that no server answers: one line, exit status 1.
run no_display
expect no_display 1 err 1 "xvfb-run -a hemodynamics"
grep -qiE "abort|core|backtrace" "$out/no_display.err" && fail "no_display: $(cat "$out/no_display.err")"

dead=":$((900 + RANDOM % 90))"
while [ -e "/tmp/.X11-unix/X${dead#:}" ]; do dead=":$((900 + RANDOM % 90))"; done
run dead_display -display "$dead"
expect dead_display 1 err 1 "«$dead»"
grep -qF "не открывается" "$out/dead_display.err" || fail "dead_display: not in Russian"
run dead_display_en --language en -display "$dead"
expect dead_display_en 1 err 1 "no graphical display: the display «$dead» does not open"

# Qt's options are accepted: the program starts and keeps running until it is stopped.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
  timeout 5 "$program" -platform offscreen -style Fusion -reverse -name lab \
  >"$out/qt.out" 2>"$out/qt.err"
qt_status=$?
[ "$qt_status" = 124 ] || fail "Qt's options: the program ended with $qt_status: $(cat "$out/qt.err")"

if [ "$failures" -ne 0 ]; then
  echo "command line: $failures failed" >&2
  exit 1
fi
echo "command line: passed"
