#!/bin/bash
# The program under a real X server (Xvfb, no window manager): it starts
# with its main window, the menu shortcuts open their windows modally, the
# main window's shortcuts do nothing while one is open, Alt+F4 closes the
# secondary window and then ends the program.
#   x11_smoke.sh PROGRAM
set -u
prog=$1
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb/xdotool missing"; exit 77; }
# A server of our own on a display it picks itself (-displayfd), so parallel
# runs cannot race for a number. Another server that is just shutting down
# can still answer on the number ours reports, and then vanish before the
# program connects: the program then ends at once, unable to open the
# display, and the whole start is tried again on a fresh server.
tmp=$(mktemp -d)
xpid= pid=
trap 'kill $pid 2>/dev/null; kill $xpid 2>/dev/null; rm -rf "$tmp"' EXIT
unset QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }
focused() { xdotool getwindowfocus getwindowname 2>/dev/null; }
wait_focus() { for _ in $(seq 50); do [ "$(focused)" = "$1" ] && return 0; sleep 0.1; done; return 1; }
start_server() {
  rm -f "$tmp/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
  xpid=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
  [ -s "$tmp/display" ] || return 1
  export DISPLAY=:$(head -n1 "$tmp/display")
  for _ in $(seq 40); do
    kill -0 "$xpid" 2>/dev/null || return 1
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}
up=
for _attempt in 1 2 3; do
  if start_server; then
    "$prog" 2> >(tee "$tmp/stderr" >&2) & pid=$!
    if wait_focus "Fauneta "; then up=1; break; fi
    kill -0 "$pid" 2>/dev/null && break  # running but not shown: a real failure
    grep -q "could not connect to display" "$tmp/stderr" || break
    wait "$pid" 2>/dev/null; pid=
  fi
  kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; xpid=
done
[ -n "$up" ] || { fail "main window 'Fauneta ' did not come up (focus: '$(focused)')"; }
xdotool key ctrl+t
wait_focus "Lista de TMs e HMs" || fail "Ctrl+T opened nothing"
xdotool key ctrl+m; sleep 0.5
[ "$(focused)" = "Lista de TMs e HMs" ] || fail "Ctrl+M acted while a modal window was open"
xdotool search --onlyvisible --name 'Poké-Marts' >/dev/null && fail "the mart window opened during a modal run"
xdotool key alt+F4
wait_focus "Fauneta " || fail "Alt+F4 did not close the TM window"
xdotool key F1
wait_focus "Sobre..." || fail "F1 opened nothing"
xdotool key alt+F4
wait_focus "Fauneta " || fail "Alt+F4 did not close the About window"
xdotool key ctrl+m
wait_focus "Lista de Itens dos Poké-Marts" || fail "Ctrl+M opened nothing"
xdotool key alt+F4
wait_focus "Fauneta " || fail "Alt+F4 did not close the mart window"
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Alt+F4 did not end the program"
wait "$pid"; rc=$?; pid=
[ "$rc" -eq 0 ] || fail "exit status $rc"
echo "ok"
