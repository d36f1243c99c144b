# Shared helpers of the scripts; sourced, not run.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
template=${TESSARY_WINE_TEMPLATE:-$HOME/.cache/tessary/wine-template}
jobs=${TESSARY_JOBS:-2}

# Builds run one at a time on this machine, whoever starts them.
locked() { flock /tmp/tessary-build.lock "$@"; }

build_native() {
    locked sh -c "cmake -S '$root' -B '$root/build/native' -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
        cmake --build '$root/build/native' -j$jobs $*"
}

# The native build under the address and undefined-behaviour sanitizers.
build_sanitize() {
    locked sh -c "cmake -S '$root' -B '$root/build/sanitize' -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DTESSARY_SANITIZE=ON >/dev/null &&
        cmake --build '$root/build/sanitize' -j$jobs $*"
}

build_win32() {
    locked sh -c "cmake -S '$root' -B '$root/build/win32' -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE='$root/cmake/mingw-i686.cmake' >/dev/null &&
        cmake --build '$root/build/win32' -j$jobs $*"
}

# A throwaway copy of the prepared prefix, so no run leaks registry state into the next.
fresh_wineprefix() {
    local dir
    dir=$(mktemp -d /tmp/tessary-wine.XXXXXX)
    cp -a "$template/." "$dir/"
    export WINEPREFIX=$dir WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# A persistent, warmed wineserver: without it every Wine process costs seconds.
start_wineserver() {
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wineserver() { wineserver -k 2>/dev/null || true; }
