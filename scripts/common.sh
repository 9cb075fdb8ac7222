# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (only those missing) and configures and builds the project.

SPINORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Paths relative to the checkout in the compiler cache, so a fresh clone
# elsewhere (CI) reuses what an earlier build compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$SPINORA_ROOT}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
# What ccache needs to cache files compiled with a precompiled header
# (cmake/Precompiled.cmake); the project uses no __DATE__ or __TIME__.
# It reads each header's checksum file instead of hashing the header.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
export CCACHE_PCH_EXTSUM="${CCACHE_PCH_EXTSUM:-1}"
SPINORA_BUILD="${SPINORA_BUILD:-$SPINORA_ROOT/build}"

# The packages the build and the tests need.
SPINORA_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev qt6-base-dev qt6-base-dev-tools
  libical-dev libavahi-client-dev libqrencode-dev
  qt6-httpserver-dev qt6-websockets-dev qt6-charts-dev libqt6opengl6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils xvfb xauth chromium
  dbus avahi-daemon libnss-mdns iproute2 ccache systemd
  zbar-tools help2man dpkg-dev lintian desktop-file-utils appstream fonts-dejavu-core fonts-ipafont-gothic
  shared-mime-info libglib2.0-bin man-db
  clang-16 libclang-rt-16-dev llvm
)

missing_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]}"
}

install_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: $missing" >&2
    echo "Install them (as root): apt-get install $missing" >&2
    return 1
  fi
  echo "Installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing >/dev/null ||
    { apt-get update -q >/dev/null && apt-get install -y -q --no-install-recommends $missing >/dev/null; }
}

# Plain Makefiles by default, so the project's own runs keep that generator
# working; a build folder keeps the generator it was made with.
build_generator() {
  local cache="$SPINORA_BUILD/CMakeCache.txt"
  if [ -f "$cache" ]; then
    sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$cache"
  else
    echo "${SPINORA_GENERATOR:-Unix Makefiles}"
  fi
}

# Line tables only (-g1): backtraces and profiles keep their file and line,
# and the build takes a fifth less time than with full debug information.
configure_and_build() {
  cmake -S "$SPINORA_ROOT" -B "$SPINORA_BUILD" -G "$(build_generator)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null &&
    cmake --build "$SPINORA_BUILD" -j"$(nproc)"
}

# The ThreadSanitizer and fuzz folders below are built once per run and never
# edited in: each target's files in one batch, without precompiled headers
# (with so few compiler runs, making the headers costs more than it saves),
# with Ninja. That also proves no two files of a target clash at file scope,
# which any smaller batch of the main build relies on. A cold build of the
# ThreadSanitizer targets took 3 min 18 s in batches of eight, 2 min 15 s so.
SPINORA_ONE_PASS_FLAGS=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 -DSPINORA_PCH=OFF)

# forget_other_generator DIR: CMake cannot switch a build folder's generator;
# one of these folders made with another (by an earlier version of this
# script) is only a cache of objects, and is started again.
forget_other_generator() {
  local cache="$1/CMakeCache.txt"
  if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
    rm -rf "$1"
  fi
}

# The exchange, device, view and photo-adding tests that run jobs, transfers
# and thumbnail workers on threads, once more under ThreadSanitizer: a build
# folder of its own, only the targets those tests need (no command-line
# tool), line tables only, one time zone. Reports whose whole stack is inside
# Qt's own (uninstrumented) libraries are suppressed in tests/tsan.supp; any
# other report fails the run.
SPINORA_TSAN_BUILD="${SPINORA_TSAN_BUILD:-$SPINORA_ROOT/build-tsan}"
SPINORA_TSAN_TESTS=(sheets_test device_test device_browser_test views_test app_shell_test photo_adding_test)

tsan_build_and_test() {
  local pattern
  pattern="^($(IFS='|'; echo "${SPINORA_TSAN_TESTS[*]}"))(\\.UTC)?\$"
  forget_other_generator "$SPINORA_TSAN_BUILD"
  cmake -S "$SPINORA_ROOT" -B "$SPINORA_TSAN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${SPINORA_ONE_PASS_FLAGS[@]}" \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null &&
    cmake --build "$SPINORA_TSAN_BUILD" -j"$(nproc)" --target "${SPINORA_TSAN_TESTS[@]}" &&
    (cd "$SPINORA_TSAN_BUILD" &&
      TSAN_OPTIONS="suppressions=$SPINORA_ROOT/tests/tsan.supp second_deadlock_stack=1 history_size=4" \
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 900 -R "$pattern") ||
    { echo "ThreadSanitizer build or tests failed: see above (suppressions: tests/tsan.supp)." >&2; return 1; }
}

# Every reader of outside input under libFuzzer (tests/fuzz) with the address
# and undefined-behaviour sanitizers: a clang build folder of its own that
# builds only the fuzz targets and the libraries they link. Each target runs
# for SPINORA_FUZZ_SECONDS (20, or tests/fuzz/<first word of its
# name>.seconds when that is not set) on a copy of its seeds, with its dictionary
# (tests/fuzz/<first word of its name>.dict) where there is one, in a
# temporary folder: the checkout is never written. As many run at once as
# there are cores. A crash, a leak, a hang or a sanitizer report fails the
# run; the input that caused it is kept in that folder, whose path is printed.
SPINORA_FUZZ_BUILD="${SPINORA_FUZZ_BUILD:-$SPINORA_ROOT/build-fuzz}"

# fuzz_one WORK NAME: runs one target in WORK; its verdict is WORK/NAME.failed.
fuzz_one() {
  local work=$1 name=$2 dict args seconds
  cp -r "$SPINORA_ROOT/tests/fuzz/corpus/$name" "$work/$name"
  seconds="${SPINORA_FUZZ_SECONDS:-20}"
  # A small reader is covered in a few seconds (tests/fuzz/<first word>.seconds).
  [ -z "${SPINORA_FUZZ_SECONDS:-}" ] && [ -f "$SPINORA_ROOT/tests/fuzz/${name%%_*}.seconds" ] &&
    seconds=$(cat "$SPINORA_ROOT/tests/fuzz/${name%%_*}.seconds")
  args=(-max_total_time="$seconds" -timeout=60)
  dict="$SPINORA_ROOT/tests/fuzz/${name%%_*}.dict"
  [ -f "$dict" ] && args+=(-dict="$dict")
  # clang 16's runtimes look for a symbolizer of their own version: any will do.
  if (cd "$work" && LANG=C.UTF-8 ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer || true)" \
        "$SPINORA_FUZZ_BUILD/tests/fuzz/$name" "${args[@]}" "$name" >"$name.log" 2>&1) &&
    ! grep -qE "ERROR: [A-Za-z]+Sanitizer|runtime error:" "$work/$name.log"; then
    echo "$name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$name.log")"
  else
    touch "$work/$name.failed"
  fi
}

fuzz_build_and_run() {
  local work name targets failed=0
  forget_other_generator "$SPINORA_FUZZ_BUILD"
  cmake -S "$SPINORA_ROOT" -B "$SPINORA_FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${SPINORA_ONE_PASS_FLAGS[@]}" \
    -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DSPINORA_FUZZ=ON -DSPINORA_BUILD_TESTS=OFF -DSPINORA_BUILD_BENCH=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null &&
    cmake --build "$SPINORA_FUZZ_BUILD" -j"$(nproc)" --target spinora_fuzz_targets ||
    { echo "The fuzz targets did not build: see above." >&2; return 1; }
  work=$(mktemp -d)
  targets=$(ls "$SPINORA_ROOT/tests/fuzz/corpus")
  for name in $targets; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
    fuzz_one "$work" "$name" &
  done
  wait
  for name in $targets; do
    if [ -e "$work/$name.failed" ]; then
      tail -n 60 "$work/$name.log" >&2
      echo "$name failed: its log and the input that failed it are in $work" >&2
      failed=1
    fi
  done
  [ "$failed" -eq 0 ] && rm -rf "$work"
  return "$failed"
}
