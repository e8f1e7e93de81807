#!/usr/bin/env bash
# Sourced: makes sure DISPLAY names a running X server, starting Xvfb on a free display if needed.
# Sets PIVEL_XVFB_PID when it started one (stop it with pivel_stop_xvfb).

# Starts Xvfb with the given screens on the first free display from DE to ATE and points DISPLAY at it;
# PIVEL_XVFB_INICIADO is its process.
#   pivel_xvfb_livre DE ATE XVFB-ARGS...
pivel_xvfb_livre() {
    local de=$1 ate=$2 n i
    shift 2
    for n in $(seq "$de" "$ate"); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" "$@" -nolisten tcp >/dev/null 2>&1 &
        PIVEL_XVFB_INICIADO=$!
        for i in $(seq 1 50); do
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$PIVEL_XVFB_INICIADO" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start Xvfb $*" >&2
    return 1
}

pivel_start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    pivel_xvfb_livre 90 140 -screen 0 "${PIVEL_SCREEN:-1920x1080x24}" || return 1
    PIVEL_XVFB_PID=$PIVEL_XVFB_INICIADO
}

# Ends an Xvfb started here, by its process (none when empty).
pivel_parar_xvfb() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

pivel_stop_xvfb() {
    pivel_parar_xvfb "${PIVEL_XVFB_PID:-}"
    PIVEL_XVFB_PID=
}

# Starts an Xvfb of two screens for Xinerama (1920 x 1080 and 1280 x 1024) on a free display from 150 on,
# and points DISPLAY at it; the display before is kept in PIVEL_DISPLAY_ANTES. Wine lists the two screens as
# two monitors when its X11 driver does not use XRandR (PIVEL_XRANDR=N, scripts/wine.sh).
pivel_start_xvfb_duas_telas() {
    PIVEL_DISPLAY_ANTES=${DISPLAY:-}
    pivel_xvfb_livre 150 199 +xinerama -screen 0 1920x1080x24 -screen 1 1280x1024x24 || return 1
    PIVEL_XVFB2_PID=$PIVEL_XVFB_INICIADO
}

pivel_stop_xvfb_duas_telas() {
    [ -n "${PIVEL_XVFB2_PID:-}" ] || return 0
    pivel_parar_xvfb "$PIVEL_XVFB2_PID"
    PIVEL_XVFB2_PID=
    export DISPLAY=$PIVEL_DISPLAY_ANTES
}
