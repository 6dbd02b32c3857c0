#!/usr/bin/env bash
# Builds Tamberlo and starts it in run/, where its result files land.
# Installs the missing Debian packages first. Without a display it stops
# after the build, unless --offscreen is given (Qt's offscreen platform).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

offscreen=0
for argument in "$@"; do
  case "$argument" in
    --offscreen) offscreen=1 ;;
    *) echo "usage: $0 [--offscreen]" >&2; exit 2 ;;
  esac
done

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j"$(nproc)"

mkdir -p "$root/run"
# A game the user has edited in run/ stays as it is.
[ -e "$root/run/ReelSetup.ini" ] || cp "$root/ReelSetup.ini" "$root/run/ReelSetup.ini"

if [ "$offscreen" -eq 1 ]; then
  export QT_QPA_PLATFORM=offscreen
elif [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built, but there is no display (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  echo "Start it on a desktop, or pass --offscreen to run it without showing windows." >&2
  exit 1
fi

cd "$root/run"
exec "$root/build/bin/Tamberlo"
