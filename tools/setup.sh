#!/usr/bin/env bash
# Installs what is missing, builds, then either starts the program or runs
# every test.  Usage (as root on Debian 12):  tools/setup.sh run | test
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
build=${KESP_BUILD_DIR:-build}

mapfile -t pkgs < <(grep -v -E '^\s*(#|$)' tools/packages.txt)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KESP_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"

export QTWEBENGINE_DISABLE_SANDBOX=1
case "$mode" in
  run)
    if [ -n "${DISPLAY:-}" ]; then
      exec "$build/KESP"
    else
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/KESP"
    fi
    ;;
  test)
    cd "$build"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" ${KESP_CTEST_ARGS:-}
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
