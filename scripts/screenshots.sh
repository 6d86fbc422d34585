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
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"

work=$(mktemp -d)
display=:$((90 + RANDOM % 400))
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$work" && "$root/build/bin/tenvora-initdb" --demo >/dev/null)
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Shoots the window named $1 into $2.png once it is on the screen.
shoot() {
  local id
  id=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
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

(cd "$work" && exec "$root/build/bin/tenvora") &
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
