#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

install_packages "${SPINORA_PACKAGES[@]}"
configure_and_build

cd "$SPINORA_BUILD"
# The device tests want a private avahi-daemon on loopback: started around ctest.
"$SPINORA_ROOT/tests/device/with-avahi.sh" env QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600

# The jobs' threads under ThreadSanitizer (see tsan_build_and_test).
tsan_build_and_test

# Every reader of outside input under libFuzzer (see fuzz_build_and_run).
fuzz_build_and_run
