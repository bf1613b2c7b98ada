#!/usr/bin/env bash
# Runs a command on a fresh Xvfb of its own: the first free display from 240 to 259, so tests
# running in parallel (and people using other numbers) never share one. A directory made with
# mkdir reserves the number atomically among our runs; the server's own lock file keeps out
# others. Exit 77 (skipped) when Xvfb is missing.
set -u
command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
for n in $(seq 240 259); do
    [ -e "/tmp/.X$n-lock" ] && continue
    mkdir "/tmp/vq-e2e-display-$n" 2>/dev/null || continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 100); do
        [ -S "/tmp/.X11-unix/X$n" ] && [ -e "/tmp/.X$n-lock" ] && break
        kill -0 $server 2>/dev/null || break
        sleep 0.05
    done
    sleep 0.1
    if kill -0 $server 2>/dev/null && [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" = "$server" ]; then
        # A run stopped by a time-out still gives its number back.
        trap 'kill $server 2>/dev/null; rmdir "/tmp/vq-e2e-display-$n"; exit 1' INT TERM
        DISPLAY=":$n" QT_QPA_PLATFORM=xcb "$@"
        status=$?
        kill $server
        wait $server 2>/dev/null
        rmdir "/tmp/vq-e2e-display-$n"
        exit $status
    fi
    wait $server 2>/dev/null # someone else's server had this number
    rmdir "/tmp/vq-e2e-display-$n"
done
echo "no free display between :240 and :259"
exit 1
