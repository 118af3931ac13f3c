#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it with the given options.
# Without a display it runs under Xvfb and writes a screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
BUILD="$ROOT/build/release"
build_tree "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCAREVIX_BUILD_TESTS=OFF -DCAREVIX_BUILD_BENCH=OFF

PROGRAM="$BUILD/app/carevix"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$PROGRAM" "$@"
fi

args=("$@")
shot=""
for ((i = 0; i < ${#args[@]}; i++)); do
    if [ "${args[$i]}" = "--screenshot" ] && [ $((i + 1)) -lt ${#args[@]} ]; then
        shot="${args[$((i + 1))]}"
    fi
done
if [ -z "$shot" ]; then
    mkdir -p "$ROOT/shots"
    shot="$ROOT/shots/carevix.png"
    args+=(--screenshot "$shot")
fi
echo "No display: running under Xvfb; the screenshot goes to $shot"
status=0
xvfb-run -a -s "-screen 0 1920x1080x24" "$PROGRAM" "${args[@]}" || status=$?
if [ -f "$shot" ]; then
    echo "Screenshot written: $shot"
fi
exit $status
