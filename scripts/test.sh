#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test through ctest, headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
BUILD="$ROOT/build/asan"
build_tree "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DCAREVIX_SANITIZE=ON

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="fast_unwind_on_malloc=0:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$BUILD"
ctest --output-on-failure --parallel "${CAREVIX_JOBS:-$(nproc)}" -LE gl "$@"
# The OpenGL tests under Xvfb; there they must find a context instead of skipping.
CAREVIX_REQUIRE_GL=1 xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -L gl "$@"
