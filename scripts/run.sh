#!/usr/bin/env bash
# Builds Korvant and starts it on the sample catalogue, in a demo profile of
# its own inside the build folder: its own registry file and program folder,
# the setup utility's defaults with "Auto open" on. The user's own settings
# are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target Korvant Halvent

demo="$PWD/build/demo"
export SKELVORA_REGISTRY="$demo/registry.reg"
export SKELVORA_HOME="$demo"
mkdir -p "$demo/icons"
cp build/bin/icons/*.bmp "$demo/icons/"
if [ ! -f "$demo/registry.reg" ]; then
  cp samples/demo.fmd "$demo/demo.fmd"
  cp samples/database.ocp "$demo/database.ocp"
  XDG_DATA_HOME="$demo/share" QT_QPA_PLATFORM=offscreen build/bin/Halvent
  sed -i -e 's/^"AutoOpen"=dword:00000000/"AutoOpen"=dword:00000001/' \
         -e "s|^\"LastUsed\"=\"\"|\"LastUsed\"=\"$demo/demo.fmd\"|" "$demo/registry.reg"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Korvant on a virtual X display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/Korvant
fi
exec build/bin/Korvant
