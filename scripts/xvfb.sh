#!/usr/bin/env bash
# Sourced: makes sure DISPLAY names a running X server, starting Xvfb on a free display if needed.
# Sets PIVEL_XVFB_PID when it started one (stop it with pivel_stop_xvfb).
pivel_start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${PIVEL_SCREEN:-1920x1080x24}" -nolisten tcp >/dev/null 2>&1 &
        PIVEL_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$PIVEL_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

pivel_stop_xvfb() {
    if [ -n "${PIVEL_XVFB_PID:-}" ]; then
        kill "$PIVEL_XVFB_PID" 2>/dev/null || true
        wait "$PIVEL_XVFB_PID" 2>/dev/null || true
        PIVEL_XVFB_PID=
    fi
}

# Starts an Xvfb of two screens side by side for Xinerama (1920 x 1080 and 1280 x 1024) on a free display
# from 150 on, and points DISPLAY at it; the display before is kept in PIVEL_DISPLAY_ANTES. Wine lists the
# two screens as two monitors when its X11 driver does not use XRandR (PIVEL_XRANDR=N, scripts/wine.sh).
pivel_start_xvfb_duas_telas() {
    PIVEL_DISPLAY_ANTES=${DISPLAY:-}
    local n i
    for n in $(seq 150 199); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" +xinerama -screen 0 1920x1080x24 -screen 1 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        PIVEL_XVFB2_PID=$!
        for i in $(seq 1 50); do
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$PIVEL_XVFB2_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start a two-screen Xvfb" >&2
    return 1
}

pivel_stop_xvfb_duas_telas() {
    if [ -n "${PIVEL_XVFB2_PID:-}" ]; then
        kill "$PIVEL_XVFB2_PID" 2>/dev/null || true
        wait "$PIVEL_XVFB2_PID" 2>/dev/null || true
        PIVEL_XVFB2_PID=
        export DISPLAY=$PIVEL_DISPLAY_ANTES
    fi
}
