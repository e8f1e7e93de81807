#!/usr/bin/env bash
# Sourced by the screenshot scripts: waiting for what shows, and a picture taken once it has settled, so
# that two runs of one build give the same pictures however loaded the machine is.

# Runs CONDITION every 0.2 s until it holds, 30 s at most; says on stderr when it never did.
pivel_esperar() {
    local i
    for i in $(seq 1 150); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    echo "gave up waiting for: $*" >&2
}

# Writes OUT with `import IMPORT-ARGS... OUT` once two pictures in a row are the same.
pivel_foto() {
    local out=$1 tmp i
    shift
    tmp=$(mktemp -d)
    for i in $(seq 1 20); do
        sleep 0.4
        import "$@" "$tmp/a.png" 2>/dev/null || continue
        if [ -f "$tmp/b.png" ] && cmp -s <(convert "$tmp/a.png" rgb:-) <(convert "$tmp/b.png" rgb:-); then break; fi
        mv "$tmp/a.png" "$tmp/b.png"
    done
    mv "$tmp/a.png" "$out" 2>/dev/null || mv "$tmp/b.png" "$out"
    rm -rf "$tmp"
}
