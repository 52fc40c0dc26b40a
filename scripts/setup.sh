#!/usr/bin/env bash
# Sets up a Debian 12 machine for twostar, builds it, and then either starts
# the program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libboost-regex-dev nlohmann-json3-dev
          libgtest-dev libbenchmark-dev fonts-wqy-microhei
          desktop-file-utils appstream dpkg-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset default >/dev/null
cmake --build --preset default

case "$mode" in
  run)
    if [ -x build/bin/twostar ]; then
      exec build/bin/twostar
    fi
    exec build/bin/twostar-cli examples/typical.json
    ;;
  test)
    ctest --preset default
    # The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    ctest --preset sanitize
    # Static checks, where clang-tidy is installed.
    if command -v clang-tidy >/dev/null; then
      bash scripts/clang-tidy.sh && echo "clang-tidy: no findings"
    fi
    # A short run of every fuzz target, where clang and its fuzzer runtime are installed.
    if command -v clang++-14 >/dev/null && ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
      cmake --preset fuzz >/dev/null
      cmake --build --preset fuzz
      for target in engine condition_file radix skin_block; do
        work=build-fuzz/corpus/$target
        mkdir -p "$work"
        echo "Fuzzing $target for ${TWOSTAR_FUZZ_SECONDS:-60} s"
        build-fuzz/bin/fuzz_$target "$work" fuzz/corpus/$target -max_total_time="${TWOSTAR_FUZZ_SECONDS:-60}" \
          -artifact_prefix=build-fuzz/ -print_final_stats=1 2>&1 | grep -E '^(stat::number_of_executed_units|Done)|ERROR|SUMMARY'
        [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz_$target found a fault; see build-fuzz/" >&2; exit 1; }
      done
    else
      echo "clang++-14 or its fuzzer runtime is missing: fuzz targets skipped"
    fi
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
