#!/usr/bin/env bash
# Screenshots of every window of the program at 96 and 144 dpi, in Windows' light mode, for a person to
# look at and for comparing two builds pixel by pixel: the open bar, "Configurações" on each of its pages,
# "Aparência do menu...", the shortcut edit dialog, the folder picker and "Sobre".
#   bash scripts/window-shots.sh [OUTDIR]     (default build/window-shots; needs build/win/bin/Pivel.exe)
# Uses a private Xvfb display (1920 x 1080) unless DISPLAY names one; drives it with xdotool, waiting for
# each window to show.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/build/window-shots}
mkdir -p "$out"
source "$root/scripts/xvfb.sh"
source "$root/scripts/fotos.sh"
pivel_start_xvfb
# A fixed folder: the folder picker shows it, and two builds must show the same.
work=/tmp/pivel-janelas
rm -rf "$work" && mkdir -p "$work"
trap 'pivel_stop_xvfb; rm -rf "$work"' EXIT
cp "$root/build/win/bin/Pivel.exe" "$work/"
{
    printf '[IconesMenu]\r\nRecordCount=4\r\n'
    printf '1=titulo=Bloco de notas\xa7programa=C:\\windows\\notepad.exe\xa7tipo=1\xa7opcaomenu=N\xe3o\xa7\r\n'
    printf '2=titulo=Windows\xa7programa=C:\\windows\xa7tipo=1\xa7opcaomenu=N\xe3o\xa7\r\n'
    printf '3=titulo=Calculadora do sistema com um t\xedtulo longo\xa7programa=C:\\windows\\system32\\calc.exe\xa7tipo=1\xa7opcaomenu=N\xe3o\xa7\r\n'
    printf '4=titulo=Na lista\xa7programa=C:\\windows\\notepad.exe\xa7tipo=1\xa7opcaomenu=Sim\xa7\r\n'
} >"$work/PivelConfig.ini"
"$root/scripts/wine.sh" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    /v AppsUseLightTheme /t REG_DWORD /d 1 /f >/dev/null 2>&1
# A caret that does not blink, so that a dialog's picture does not depend on the instant it is taken.
"$root/scripts/wine.sh" reg add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /t REG_SZ /d -1 /f >/dev/null 2>&1

# The first visible window whose title matches, waited for (30 s at most).
janela() {
    local id i
    for i in $(seq 1 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "no window \"$1\"" >&2
    return 1
}
# No visible window matches the title.
sem_janela() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
# A window's picture alone, once it has settled.
foto() { pivel_foto "$out/$2" -window "$1"; }
for dpi in 96 144; do
    s() { echo $(($1 * dpi / 96)); }
    PIVEL_DPI=$dpi "$root/scripts/wine.sh" "$work/Pivel.exe" >/dev/null 2>&1 &
    pid=$!
    barra=$(janela '^Nq-Pivel$')
    # The open bar, and a window's picture once the bar has closed behind it.
    abrir() { xdotool mousemove 1919 700 click 1; sleep 1.5; }
    abrir
    foto "$barra" "barra-$dpi.png"

    # "Configurações", its two pages, and "Aparência do menu..." from the second.
    xdotool key F5
    cfg=$(janela '^Configurações$')
    foto "$cfg" "config-atalhos-$dpi.png"
    xdotool key ctrl+Tab
    foto "$cfg" "config-configuracoes-$dpi.png"
    eval "$(xdotool getwindowgeometry --shell "$cfg")"
    xdotool mousemove $((X + $(s 217))) $((Y + $(s 457))) click 1
    menus=$(janela '^Menus$')
    foto "$menus" "aparencia-menu-$dpi.png"
    xdotool key Escape
    pivel_esperar sem_janela '^Menus$'
    xdotool key Escape
    pivel_esperar sem_janela '^Configurações$'

    # The edit dialog ("Incluir atalho", Insert), and the folder picker from its folder button.
    abrir
    xdotool key Insert
    ed=$(janela '^Programas e comandos')
    foto "$ed" "edicao-$dpi.png"
    eval "$(xdotool getwindowgeometry --shell "$ed")"
    xdotool mousemove $((X + $(s 510))) $((Y + $(s 49))) click 1
    pasta=$(janela '^Selecione uma pasta$')
    foto "$pasta" "pasta-$dpi.png"
    xdotool key Escape
    pivel_esperar sem_janela '^Selecione uma pasta$'
    xdotool key Escape
    pivel_esperar sem_janela '^Programas e comandos'

    # "Sobre...": the menu's third entry from its end.
    abrir
    xdotool mousemove 1800 400 click 3
    sleep 1.5
    for k in End Up Up Return; do xdotool key $k; sleep 0.3; done
    sobre=$(janela '^Sobre o sistema$')
    foto "$sobre" "sobre-$dpi.png"
    xdotool key Escape
    pivel_esperar sem_janela '^Sobre o sistema$'

    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    WINEPREFIX=${PIVEL_WINEPREFIX:-$root/build/wineprefix} /usr/lib/wine/wineserver -k 2>/dev/null || true
    sleep 1
done
echo "screenshots in $out"
