#!/bin/sh
# The main job: builds everything, writes synthetic demo terrain for the area
# of the default project, runs the calculation of the default project
# (Dorx.xix: 640 x 640 cells around Mt Fuji), draws its result and saves the
# map images and KML overlays. Everything goes below out/demo/.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs" --target dorx-batch dorx-demo-terrain >/dev/null

demo=out/demo
mkdir -p "$demo/program" "$demo/mesh"
# 35 deg 13'..35 deg 30' N, 138 deg 31'..138 deg 56' E holds the default area.
build/tools/dorx-demo-terrain "$demo/mesh" 35.2 35.52 138.5 138.95

# Start-up writes the default project Dorx.xix into the program folder.
result=$(build/app/dorx-batch calc "$demo/program/Dorx.xix" --mesh "$demo/mesh" \
  --program-folder "$demo/program" --overwrite | tail -n 1)
echo "Result file: $result"
build/app/dorx-batch draw "$result" --program-folder "$demo/program" --terrain 1 \
  | sed 's/^/Wrote: /'
