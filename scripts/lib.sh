# Shared helpers of the scripts; sourced, not run.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
template=${TESSARY_WINE_TEMPLATE:-$HOME/.cache/tessary/wine-template}
jobs=${TESSARY_JOBS:-2}

# One line for each stage a script goes through, so that working is told from
# hung. It reaches the script's output also from inside quietly.
say() { echo "scripts/${0##*/}: $*" >&"${say_fd:-1}"; }

# Runs a command with its output in the file LOG, and shows the end of that
# output only when the command fails: quietly LOG COMMAND...
quietly() {
    local log=$1 rc=0
    shift
    mkdir -p "$(dirname "$log")"
    say_fd=3 "$@" 3>&1 >"$log" 2>&1 || rc=$?
    if [ "$rc" != 0 ]; then
        tail -n 40 "$log"
        say "FAILED: $* (the whole output is in $log)"
    fi
    return "$rc"
}

# Runs ctest with its output in LOG and tells the result: the summary, and for
# each failed test its output: run_tests LOG CTEST_ARGUMENTS...
run_tests() {
    local log=$1 rc=0
    shift
    ctest "$@" --output-on-failure >"$log" 2>&1 || rc=$?
    # A test's output follows its result line, up to the next test's line.
    awk '/^ *[0-9]+\/[0-9]+ Test +#/ { show = $0 !~ / Passed / && $0 !~ /Not Run|Skipped/ }
         /^ *Start +[0-9]+:/ { show = 0 }
         /tests passed, / { show = 2 }
         show { print }' "$log"
    [ "$rc" = 0 ] || say "the whole test output is in $log"
    return "$rc"
}

# Builds run one at a time on this machine, whoever starts them; a script that
# has to wait says so.
build_lock=/tmp/tessary-build.lock
locked() {
    [ -e "$build_lock" ] || : >"$build_lock"
    (
        if ! flock -n 9; then
            # Seen also where the build's own output goes to /dev/null.
            say "waiting for another build to finish..." >&2
            flock 9
        fi
        "$@"
    ) 9<"$build_lock"
}

# Says that a build of build/WHICH begins, and whether it is the first one:
# building WHICH WHAT
building() {
    if [ -f "$root/build/$1/build.ninja" ]; then
        say "building $2..."
    else
        say "building $2 (the first build takes a few minutes)..."
    fi
}

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
