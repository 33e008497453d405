#!/usr/bin/env bash
# Installs what the build needs, builds the window in Release and starts it.
# Arguments are handed to the program.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/run

bash "$root/scripts/install-deps.sh" run
# Tests are left out: starting the window should not wait for them.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)" --target quillon

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display is set; start it from a desktop session," \
       "or under Xvfb: xvfb-run -a scripts/run.sh (package xvfb)" >&2
fi
exec "$build/src/app/quillon" "$@"
