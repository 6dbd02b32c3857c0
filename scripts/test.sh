#!/usr/bin/env bash
# Builds everything and runs every test: first the normal build with the
# windows (under Qt's offscreen platform), then the engine, the library and
# their tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j"$jobs"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMBERLO_SANITIZE=ON -DTAMBERLO_BUILD_UI=OFF
cmake --build "$root/build-sanitize" -j"$jobs"
(cd "$root/build-sanitize" && ctest --output-on-failure -j"$jobs")
