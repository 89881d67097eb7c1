#!/usr/bin/env bash
# Set-up, build, then start the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target flexedit flexedit-cli
exec build/src/ui/flexedit "$@"
