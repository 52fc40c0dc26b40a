#!/usr/bin/env bash
# Sets up a Debian 12 machine for twostar, builds it, and then either starts
# the program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libboost-regex-dev nlohmann-json3-dev
          libgtest-dev libbenchmark-dev fonts-wqy-microhei)

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
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
