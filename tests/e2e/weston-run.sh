#!/usr/bin/env bash
# Runs a command on a fresh Wayland compositor of its own: weston's headless backend with the
# pixman renderer (so its screenshooter has pixels to save) on a private runtime directory, and
# the command on Qt's wayland platform. Exit 77 (skipped) when weston or Qt's wayland plugin is
# missing. VQ_WESTON_SHOTS, when set, is where the command may save compositor screenshots
# (weston-screenshooter, allowed by --debug).
set -u
command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }
plugins=$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland-*.so' 2>/dev/null | head -1)
[ -n "$plugins" ] || { echo "Qt's wayland platform plugin (qt6-wayland) is missing: skipped"; exit 77; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-vq
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman --debug \
    --socket=$socket --width=1024 --height=768 --idle-time=0 --no-config \
    --log="$runtime/weston.log" &
server=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 $server 2>/dev/null || break
    sleep 0.05
done
if ! [ -S "$runtime/$socket" ]; then
    echo "weston did not start:"
    cat "$runtime/weston.log" 2>/dev/null
    kill $server 2>/dev/null
    rm -rf "$runtime"
    exit 1
fi
trap 'kill $server 2>/dev/null; rm -rf "$runtime"; exit 1' INT TERM
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
status=$?
kill $server
wait $server 2>/dev/null
rm -rf "$runtime"
exit $status
