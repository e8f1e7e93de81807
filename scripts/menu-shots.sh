#!/usr/bin/env bash
# Screenshots of the bar's popup menu in its five styles, in Windows' light and dark modes, at 96 and
# 144 dpi, each with "Outros atalhos" open on ten shortcuts and one of them highlighted; then, in the
# bar's own style, a shortcut's own menu opened by a right click on its button; for a person to look at.
#   bash scripts/menu-shots.sh [OUTDIR]     (default build/menu-shots; needs build/win/bin/Pivel.exe)
# Uses a private Xvfb display (1920 x 1080) unless DISPLAY names one; drives it with xdotool.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/build/menu-shots}
mkdir -p "$out"
source "$root/scripts/xvfb.sh"
source "$root/scripts/fotos.sh"
pivel_start_xvfb
trap pivel_stop_xvfb EXIT

work=$(mktemp -d)
trap 'pivel_stop_xvfb; rm -rf "$work"' EXIT
cp "$root/build/win/bin/Pivel.exe" "$work/"
{
    printf '[IconesMenu]\r\nRecordCount=11\r\n'
    for i in 01 02 03 04 05 06 07 08 09 10; do
        printf '%d=titulo=Atalho %s\xa7programa=C:\\windows\\notepad.exe\xa7tipo=1\xa7opcaomenu=Sim\xa7\r\n' "$((10#$i))" "$i"
    done
    printf '11=titulo=Bloco de notas\xa7programa=C:\\windows\\notepad.exe\xa7tipo=1\xa7opcaomenu=N\xe3o\xa7\r\n'
} >"$work/PivelConfig.ini"

names=(padrao office semicones win7 marvo)
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
modo() { "$root/scripts/wine.sh" reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
# The bar's window, and the program's windows without a title that show (its menus and tooltips).
barra() {
    local id
    id=$(xdotool search --onlyvisible --name '^Nq-Pivel$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}
sem_titulo() {
    local w n=0
    for w in $(xdotool search --onlyvisible --classname '^pivel.exe$' 2>/dev/null); do
        [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && n=$((n + 1))
    done
    echo "$n"
}
menus_abertos() { [ "$(sem_titulo)" -ge "$1" ]; }
aberta() {
    local id
    id=$(barra) && [ -n "$id" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$X" -lt 1900 ]
}
# The screen's part, once it has settled.
foto() { pivel_foto "$2" -window root -crop "$1" +repage; }
# Starts the bar at a density (and a menu style) and opens it with a click on its strip.
abrir() {
    PIVEL_DPI=$1 PIVEL_TIPO_MENU=${2:-} "$root/scripts/wine.sh" "$work/Pivel.exe" >/dev/null 2>&1 &
    pid=$!
    pivel_esperar barra
    xdotool mousemove 1919 1070 click 1
    pivel_esperar aberta
    sleep 0.5
}
# Closes the menus (one Esc each) and ends the bar.
encerrar() {
    for _ in $(seq "$1"); do
        xdotool key Escape
        sleep 0.3
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pivel_esperar eval '[ -z "$(barra)" ]'
}
for mode in claro escuro; do
  modo $([ $mode = claro ] && echo 1 || echo 0)
  for dpi in 96 144; do
    for style in 0 1 2 3 4; do
        abrir $dpi $style
        # The popup menu opens at the pointer, near the bar's left edge so that it fits on the screen;
        # "Outros atalhos" then opens its submenu to the left, and an entry of it is highlighted.
        x=$((dpi == 96 ? 1728 : 1625))
        h=$((dpi == 96 ? 22 : 33))
        y=$((300 + 3 + h / 2))
        xdotool mousemove $x 300 click 3
        pivel_esperar menus_abertos 1
        xdotool mousemove $((x + 80)) $y
        pivel_esperar menus_abertos 2
        xdotool mousemove $((x - 60)) $y
        sleep 0.3
        xdotool mousemove $((x - 60)) $((y + 3 * h))
        pivel_esperar menus_abertos 3  # the entry's tooltip
        foto 900x560+1020+250 "$out/menu-${names[$style]}-$mode-$dpi.png"
        encerrar 2
    done
  done
done
modo 1
# A shortcut's own menu: a right click on the bar's one button.
for dpi in 96 144; do
    abrir $dpi
    s() { echo $(($1 * dpi / 96)); }
    xdotool mousemove $((1920 - $(s 198) + $(s 70))) $(($(s 49) + $(s 2) + $(s 16))) click 3
    pivel_esperar menus_abertos 1
    foto 900x560+1020+0 "$out/menu-atalho-$dpi.png"
    encerrar 1
done
echo "screenshots in $out"
