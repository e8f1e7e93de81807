#!/usr/bin/env bash
# The release for Windows, from a checkout on a Debian machine: builds Pivel.exe (scripts/build.sh, the
# same program the tests run) and its installer, and writes dist/:
#   Pivel-VERSION-win64.zip         the portable form: Pivel.exe, LEIAME.txt, LICENSE.txt
#   Pivel-VERSION-instalador.exe    the installer (NSIS)
#   SHA256SUMS                      the SHA-256 of both
# The same commit gives the same bytes in any folder: see "Releases" in ARCHITECTURE.md.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
inicio=$(date +%s)

bash scripts/deps.sh
bash scripts/build.sh --program
cmake --build build/win --target instalador

versao=$(sed -nE 's/^CMAKE_PROJECT_VERSION:STATIC=(.*)$/\1/p' build/win/CMakeCache.txt)
[ -n "$versao" ] || { echo "no version in build/win/CMakeCache.txt" >&2; exit 1; }
zip="Pivel-$versao-win64.zip"
instalador="Pivel-$versao-instalador.exe"

rm -rf dist
mkdir -p dist
pasta=build/win/portatil
epoch=$(bash scripts/release-files.sh "$versao" build/win/bin/Pivel.exe "$pasta")

# The zip's entries in a fixed order, dated from the commit, with fixed attributes.
python3 - "$pasta" "dist/$zip" "$epoch" <<'PY'
import sys, time, zipfile
pasta, saida, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = time.gmtime(max(epoch, 315532800))[:6]  # a zip cannot date before 1980
with zipfile.ZipFile(saida, "w") as z:
    for nome in ("Pivel.exe", "LEIAME.txt", "LICENSE.txt"):
        info = zipfile.ZipInfo(nome, date_time=data)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.create_system = 0
        info.external_attr = 0x20  # archive
        with open(f"{pasta}/{nome}", "rb") as f:
            z.writestr(info, f.read(), compresslevel=9)
PY
cp "build/win/bin/$instalador" "dist/$instalador"
(cd dist && sha256sum "$zip" "$instalador" >SHA256SUMS)

echo "dist/ for Pivel $versao, in $(($(date +%s) - inicio)) s:"
(cd dist && ls -l "$zip" "$instalador" && cat SHA256SUMS && sha256sum "$root/build/win/bin/Pivel.exe" | sed "s|$root/||")
