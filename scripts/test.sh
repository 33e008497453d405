#!/usr/bin/env bash
# Builds and runs the whole test suite three times: natively, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and cross-built for
# Windows under wine. Installs whatever Debian packages are missing first.
# Any failure in any phase fails the script.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)
# A test that hangs fails after this many seconds instead of stalling CI.
test_timeout=300

phase_names=()
phase_seconds=()
phase_results=()

header() {
  printf '\n==== %s ====\n\n' "$1"
}

# One phase: configure a build directory, build everything, run ctest.
# ctest's own last lines close the phase; the tally is kept for the summary.
build_and_test() {
  local name=$1 dir=$2
  shift 2
  local start=$SECONDS
  header "$name: configure and build ($dir)"
  cmake -S "$root" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  header "$name: ctest"
  ctest --test-dir "$dir" --output-on-failure --timeout "$test_timeout" -j "$jobs" 2>&1 | tee "$dir/ctest.log"
  phase_names+=("$name")
  phase_seconds+=($((SECONDS - start)))
  phase_results+=("$(grep -E 'tests passed|No tests were found' "$dir/ctest.log" | tail -n 1 || true)")
}

start=$SECONDS
header "dependencies"
bash "$root/scripts/install-deps.sh" test
phase_names+=(dependencies)
phase_seconds+=($((SECONDS - start)))
phase_results+=("")

# Formatting first: a run that would fail on layout fails in a second.
start=$SECONDS
header "format"
unformatted=$(git -C "$root" ls-files -- src tests bench | grep -E '\.(cpp|h)$' |
  (cd "$root" && xargs clang-format --dry-run 2>&1) | grep -c 'warning:' || true)
if [ "$unformatted" -gt 0 ]; then
  (cd "$root" && git ls-files -- src tests bench | grep -E '\.(cpp|h)$' |
    xargs clang-format --dry-run 2>&1 | grep 'warning:' | head -n 20)
  echo "format: clang-format would change $unformatted lines; run scripts/format.sh"
  exit 1
fi
phase_names+=(format)
phase_seconds+=($((SECONDS - start)))
phase_results+=("clang-format: no change")

# The Qt tests drive real widgets without a display.
export QT_QPA_PLATFORM=offscreen

build_and_test native "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo

sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
(
  export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  build_and_test sanitizers "$root/build/asan" -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=$sanitize" \
    "-DCMAKE_EXE_LINKER_FLAGS=$sanitize" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$sanitize"
  declare -p phase_names phase_seconds phase_results > "$root/build/asan/phase.tally"
)
# The subshell kept the sanitizer settings away from the other phases; its
# tally comes back through a file.
source "$root/build/asan/phase.tally"

windows_dir=$root/build/windows
mkdir -p "$windows_dir"
# The window is built for Windows too when a Qt for Windows is at hand: a
# prefix named by QUILLON_QT_WINDOWS, else the project's tarball beside the
# checkout (scripts/build-qt-windows.sh makes it), unpacked once into the
# build folder and again only when the tarball changed.
qt_tarball=$root/../shared/toolchains/qt6-mingw64/qt6.4.2-mingw64-shared.tar.xz
qt_windows=
if [ -n "${QUILLON_QT_WINDOWS:-}" ]; then
  qt_windows=$(cd "$QUILLON_QT_WINDOWS" && pwd)
elif [ -f "$qt_tarball" ]; then
  qt_unpacked=$root/build/qt-windows
  qt_stamp=$(stat -c '%s %Y' "$qt_tarball")
  if [ "$(cat "$qt_unpacked/.stamp" 2> /dev/null)" != "$qt_stamp" ]; then
    rm -rf "$qt_unpacked"
    mkdir -p "$qt_unpacked"
    tar -C "$qt_unpacked" -xJf "$qt_tarball"
    echo "$qt_stamp" > "$qt_unpacked/.stamp"
  fi
  qt_windows=$qt_unpacked/qt6.4.2-mingw64
fi
if [ -n "$qt_windows" ]; then
  windows_window=(-DQUILLON_BUILD_GUI=ON "-DCMAKE_PREFIX_PATH=$qt_windows" -DQT_HOST_PATH=/usr)
  windows_note="windows: building the window against the Qt for Windows in $qt_windows"
else
  windows_window=(-DQUILLON_BUILD_GUI=OFF -UCMAKE_PREFIX_PATH)
  windows_note="windows: the Windows window was not built: no Qt for Windows (set QUILLON_QT_WINDOWS, or put the tarball in ../shared/toolchains/qt6-mingw64/)"
fi
(
  # A prefix of its own inside the build directory, made once; no display,
  # so nothing opens a window, no prompt for Mono or Gecko, and no menu
  # entries of wine's written into the desktop of whoever runs the tests.
  export WINEPREFIX=$windows_dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  unset DISPLAY WAYLAND_DISPLAY
  # wine hands a Windows program no QT_* variable, but WINEQT_X arrives as
  # QT_X: the Qt tests drive real widgets offscreen, with fonts to measure
  # text by, in the style a Windows desktop gives the window (offscreen
  # would pick another), and print what Qt Test writes. WINEPATH finds the
  # Qt and mingw runtime DLLs.
  if [ -n "$qt_windows" ]; then
    export WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
    export WINEQT_STYLE_OVERRIDE=windowsvista
    export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\liberation'
    export WINEPATH="Z:${qt_windows//\//\\}\\bin"
  fi
  start=$SECONDS
  header "windows: starting wine ($WINEPREFIX)"
  echo "$windows_note"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i
    wineserver -w
  fi
  # One persistent server for the whole phase spares each test its start-up.
  # One left by an interrupted run of this prefix would refuse a second.
  wineserver -k 2> /dev/null || true
  wineserver -p
  trap 'wineserver -k || true' EXIT
  # Wine's background services outlive the program that starts them and keep
  # its output open; started by a test, they would hold ctest's pipe and ctest
  # would wait on it for ever. Started here, they write to a log.
  wine cmd /c exit < /dev/null > "$windows_dir/wine-start.log" 2>&1
  phase_names+=("wine start")
  phase_seconds+=($((SECONDS - start)))
  phase_results+=("")
  build_and_test windows "$windows_dir" -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-w64-x86_64.cmake" "${windows_window[@]}"
  if [ -n "$qt_windows" ]; then
    start=$SECONDS
    header "windows package"
    "$root/scripts/check-windows-package.sh" "$windows_dir"
    phase_names+=("win package")
    phase_seconds+=($((SECONDS - start)))
    phase_results+=("passed")
  fi
  declare -p phase_names phase_seconds phase_results > "$windows_dir/phase.tally"
)
source "$windows_dir/phase.tally"

start=$SECONDS
header "package"
"$root/scripts/check-package.sh"
phase_names+=(package)
phase_seconds+=($((SECONDS - start)))
phase_results+=("passed")

header "summary"
for i in "${!phase_names[@]}"; do
  printf '%-14s %5ss  %s\n' "${phase_names[$i]}" "${phase_seconds[$i]}" "${phase_results[$i]}"
done
# One closing tally over the three ctest runs, in the plain form CI reads.
passed=0 failed=0
for log in build/native/ctest.log build/asan/ctest.log build/windows/ctest.log; do
  read -r total failures < <(sed -n -E 's/.* tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\2 \1/p' "$log" | tail -n 1)
  passed=$((passed + total - failures))
  failed=$((failed + failures))
done
echo "$windows_note"
echo "all phases passed"
echo "$passed passed, $failed failed"
