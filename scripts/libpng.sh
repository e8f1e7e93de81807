#!/usr/bin/env bash
# Cross-builds libpng for Windows, statically, from Debian's source package (no mingw package holds
# it), once, into build/third_party/libpng-mingw. zlib comes from Debian's libz-mingw-w64-dev.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/third_party
prefix=$out/libpng-mingw
[ -f "$prefix/lib/libpng16.a" ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# apt-get source needs a deb-src entry and dpkg-source.
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/pivel-deb-src.sources >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
fi
PIVEL_EXTRA_PACKAGES="dpkg-dev" bash "$root/scripts/deps.sh"

rm -rf "$out/libpng-src" "$out/libpng-build"
mkdir -p "$out/libpng-src"
(cd "$out/libpng-src" && apt-get source -qq libpng1.6 >/dev/null 2>&1 || apt-get source -qq libpng1.6)
src=$(find "$out/libpng-src" -maxdepth 2 -name CMakeLists.txt -printf '%h\n' | head -n 1)
[ -n "$src" ] || { echo "libpng source not found" >&2; exit 1; }

cmake -S "$src" -B "$out/libpng-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DSKIP_INSTALL_EXECUTABLES=ON -DSKIP_INSTALL_PROGRAMS=ON \
    -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include \
    -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$out/libpng-build" -j "$(nproc)" >/dev/null
cmake --install "$out/libpng-build" >/dev/null
echo "libpng built into $prefix"
