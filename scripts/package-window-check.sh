#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by package-check.sh as the check user inside Xvfb: starts the installed window and
# works it with keys and clicks only, as a user would. The equation box first shows the
# first example (read from the share folder); Return draws it, then x^2+y^2=4 is typed and
# drawn; each point file must match the companion's (first.txt, circle.txt in $HOME); the
# quit button ends the program. Control positions are the window's fixed layout in pixels,
# below the menu bar (whatever height the fonts give it: the client area is 663 pixels high).
set -e
points="$HOME/.local/share/funcurve/CoordinateData.txt"

# Waits until the window's point file equals the expected one.
wait_for_points() {
    for _ in $(seq 1 600); do
        cmp -s "$points" "$1" && return 0
        sleep 0.1
    done
    echo "package-check: 窗口的点文件不对 / the window's point file differs from $1" >&2
    ls -la "$(dirname "$points")" >&2 || true
    return 1
}

funcurve &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --class funcurve | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 663))
xdotool mousemove --window "$window" 300 $((588 + menu)) click 1   # into the equation box
sleep 0.5
xdotool key Return
wait_for_points "$HOME/first.txt"
xdotool key ctrl+a
xdotool type 'x^2+y^2=4'
xdotool key Return
wait_for_points "$HOME/circle.txt"
xdotool mousemove --window "$window" 657 $((644 + menu)) click 1   # 退出(关闭)作图器
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
wait "$pid"
