# Sourced by scripts that drive an X display with xdotool themselves: the desktop layer
# (desktop.sh) on plain X11, under the names these scripts use.
BNG_DESKTOP=x11 source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

start_xvfb() {
    start_desktop
}

stop_xvfb() {
    stop_desktop
}
