#!/usr/bin/env bash
# Runs the Wine test program with the project's prefix, then ends whatever Windows program a test left
# running there (a folder a test opened, say), so that nothing outlives the run and holds its output.
# The tests of the suite Monitores need two monitors: they run in a second pass, on an X display of two
# screens of their own (scripts/xvfb.sh), with their report (--gtest_output=xml:NAME.xml) in
# NAME-monitores.xml. The first pass always leaves them out; the second runs them as far as a filter names
# them.
#   scripts/wine-tests.sh build/win/bin/pivel_wine_tests.exe [ARGS...]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${PIVEL_WINEPREFIX:-$root/build/wineprefix}
programa=$1
shift
filtro=
saida=
outros=()
for a in "$@"; do
    case $a in
        --gtest_filter=*) filtro=${a#--gtest_filter=} ;;
        --gtest_output=xml:*) saida=${a#--gtest_output=xml:} ;;
        *) outros+=("$a") ;;
    esac
done

# One pass of the program with a filter and a report; the prefix's programs end after it.
passo() {
    local f=$1 relatorio=$2 args=("${outros[@]}")
    [ -n "$f" ] && args+=("--gtest_filter=$f")
    [ -n "$relatorio" ] && args+=("--gtest_output=xml:$relatorio")
    "$root/scripts/wine.sh" "$programa" "${args[@]}"
    local status=$?
    /usr/lib/wine/wineserver -k 2>/dev/null
    /usr/lib/wine/wineserver -w 2>/dev/null
    return $status
}

# The filter split between the passes: the first leaves out the suite Monitores, the second runs only the
# patterns of the filter that name it ("Monitores.*" for a pattern whose suite part matches it, "*" say).
primeiro=-Monitores.*
segundo=Monitores.*
if [ "$(basename "$programa")" != pivel_wine_tests.exe ]; then
    primeiro=$filtro
    segundo=
elif [ -n "$filtro" ]; then
    positivos=${filtro%%-*}
    negativos=
    [[ "$filtro" == *-* ]] && negativos=${filtro#*-}
    primeiro="${positivos:-*}-${negativos:+$negativos:}Monitores.*"
    segundo=
    IFS=: read -ra padroes <<<"$positivos"
    for p in "${padroes[@]}"; do
        if [[ "$p" == Monitores.* ]]; then
            segundo+="${segundo:+:}$p"
        elif [[ Monitores == ${p%%.*} ]]; then
            segundo+="${segundo:+:}Monitores.*"
        fi
    done
    [ -n "$segundo" ] && [ -n "$negativos" ] && segundo+="-$negativos"
fi

PIVEL_XRANDR=Y passo "$primeiro" "$saida"
status=$?
if [ -n "$segundo" ]; then
    source "$root/scripts/xvfb.sh"
    if pivel_start_xvfb_duas_telas; then
        PIVEL_XRANDR=N PIVEL_DUAS_TELAS=1 passo "$segundo" "${saida:+${saida%.xml}-monitores.xml}" || status=1
        pivel_stop_xvfb_duas_telas
    else
        status=1
    fi
fi
exit $status
