#!/usr/bin/env bash
# Starts the built program on a fresh demo folder under a virtual display,
# logs in through the real dialog as a user would, and saves what the
# screen shows: the login dialog, a message box (a wrong password) and the
# main window after login. Needs a build (scripts/build.sh) and the
# packages xvfb, xdotool and imagemagick.
#   scripts/screenshots.sh [output folder]   (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "needs $tool: apt-get install xvfb xdotool imagemagick" >&2; exit 1; }
done
[ -x build/bin/tenvora ] || { echo "needs a build: scripts/build.sh" >&2; exit 1; }
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"

work=$(mktemp -d)
# A display nobody uses, and a temporary folder of our own: a copy of the
# program already running for this user would otherwise take the start.
display=
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
mkdir -p "$work/tmp" "$work/folder"
export TMPDIR=$work/tmp
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$work/folder" && "$root/build/bin/tenvora-initdb" --demo >/dev/null)
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb did not start on $display" >&2; exit 1; }

# Shoots the window named $1 into $2.png once it is on the screen.
shoot() {
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -1) || true
  [ -n "$id" ] || { echo "the window \"$1\" did not appear" >&2; exit 1; }
  sleep 0.5 # let the window finish painting
  # No window manager runs here to hand the keyboard to a new window.
  xdotool windowfocus "$id" 2>/dev/null || true
  import -window root -crop "$(window_geometry "$id")" +repage "$out/$2.png"
  echo "saved $out/$2.png"
}
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

(cd "$work/folder" && exec "$root/build/bin/tenvora") &
app=$!

shoot "登录" login
# Keyboard only: the name list has the focus; pick the first name, move to
# the password and give a wrong one, which brings up a message.
xdotool key Down Tab
xdotool type --delay 40 "0000"
xdotool key Return
shoot "提示" message-box
xdotool key Return
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 40 "1234"
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^登录$' >/dev/null || break
  sleep 0.1
done
shoot "Tenvora v1.0" main-window
