#!/usr/bin/env bash
# Runs clang-tidy with the checked-in .clang-tidy over the project's own sources,
# using the compile commands of the default build.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
files=$(git ls-files 'engine/*.cpp' 'conditions/*.cpp' 'cli/*.cpp' 'panel/*.cpp' 'shell/*.cpp' 'skin/*.cpp' 'app/*.cpp')
# GCC-only flags in the compile commands are unknown to clang.
clang-tidy -p build --quiet --extra-arg=-Wno-unknown-warning-option $files
