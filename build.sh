#!/usr/bin/env bash
# Vantorel: install what is missing, build, then run the program, the tests or
# make the Debian package. One line per stage; full logs in build/logs/.
#   ./build.sh run             build and start the calculator
#   ./build.sh test            build and run every test
#   ./build.sh package         build the Debian package into build/package/
#   ./build.sh install         build the Debian package and install it with apt
#   ./build.sh bench           build the benchmarks and the data tools
#   ./build.sh sanitize        build with clang, AddressSanitizer and UBSan; run every test
#   ./build.sh fuzz [SECONDS]  build the libFuzzer programs; run each for SECONDS (600)
set -euo pipefail
cd "$(dirname "$0")"

# Debian packages: what building and starting the program needs, and what
# the other commands add to it (the Python module is built where pybind11
# and Python's headers are, and tested with numpy, pandas, dask and pytest).
PACKAGES=(g++ cmake make qt6-base-dev libgl-dev libcli11-dev nlohmann-json3-dev fonts-dejavu-core
          qt6-translations-l10n libqt6sql6-sqlite libqt6printsupport6)
PYTHON_PACKAGES=(pkg-config python3-dev python3-pybind11)
TEST_PACKAGES=(libgtest-dev libgmock-dev desktop-file-utils appstream locales xvfb openbox xdotool x11-utils
               poppler-utils "${PYTHON_PACKAGES[@]}"
               python3-numpy python3-pandas python3-pytest python3-dask python3-distributed)
PACKAGE_PACKAGES=(dpkg-dev file "${PYTHON_PACKAGES[@]}")
BENCH_PACKAGES=(libbenchmark-dev)
CLANG_PACKAGES=(clang libclang-rt-dev)

LOGS=build/logs
mkdir -p "$LOGS"
STARTED=$SECONDS

# elapsed SECONDS: 12s, 3m04s
elapsed() {
  if [ "$1" -ge 60 ]; then printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); else printf '%ds' "$1"; fi
}

# How far the command writing LOG got: the build's percentage or the tests run.
progress() {
  local last
  last=$(grep -oE '^\[ *[0-9]+%\]|^ *[0-9]+/[0-9]+ Test' "$1" 2>/dev/null | tail -n 1) || true
  case $last in
    \[*) echo "${last//[][ ]/} built, " ;;
    *Test) echo "$(echo "${last% Test}" | tr -d ' ') tests, " ;;
  esac
}

# watched LOG COMMAND...: runs the command into the log and returns its status.
# Meanwhile a line says how far it got: rewritten in place on a terminal,
# otherwise printed at least every 30 s. At its end: the time it took.
watched() {
  local log=$1 start=$SECONDS said=$SECONDS pid status=0
  shift
  "$@" >"$log" 2>&1 &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    sleep 1
    if [ -t 1 ]; then
      printf '\r\033[K  %s%s' "$(progress "$log")" "$(elapsed $((SECONDS - start)))"
    elif [ $((SECONDS - said)) -ge 30 ]; then
      echo "  $(progress "$log")$(elapsed $((SECONDS - start))) so far"
      said=$SECONDS
    fi
  done
  wait "$pid" || status=$?
  if [ -t 1 ]; then printf '\r\033[K'; fi
  echo "  $([ $status -eq 0 ] && echo done || echo failed) in $(elapsed $((SECONDS - start)))" \
    "($(elapsed $((SECONDS - STARTED))) since the start)"
  return $status
}

# logged LOG COMMAND...: watched; on failure shows the end of the log and stops
logged() {
  if ! watched "$@"; then
    echo "the last lines of $1:" >&2
    tail -n 40 "$1" >&2
    exit 1
  fi
}

# as_root COMMAND...: directly as root, through sudo otherwise
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]} (log: $LOGS/install.log)"
  logged "$LOGS/install.log" as_root env DEBIAN_FRONTEND=noninteractive \
    sh -c 'apt-get update -qq && apt-get install -y -qq --no-install-recommends "$@"' apt "${missing[@]}"
}

# The tests run once more under a Russian locale (decimal comma).
ensure_russian_locale() {
  locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' && return 0
  echo "Generating the ru_RU.UTF-8 locale"
  as_root localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
}

# configure [-DVANTOREL_BUILD_...=ON]: tests, benchmarks and tools only when asked for
configure() {
  local launcher=()
  if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  echo "Configuring (log: $LOGS/configure.log)"
  logged "$LOGS/configure.log" cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DVANTOREL_BUILD_TESTS=OFF -DVANTOREL_BUILD_BENCH=OFF -DVANTOREL_BUILD_TOOLS=OFF "$@"
}

# build TARGET...: those targets and what they need, nothing else
build() {
  local log=$LOGS/build.log
  echo "Building $* (log: $log)"
  if ! watched "$log" cmake --build build --parallel "$(nproc)" --target "$@" -- --no-print-directory; then
    echo "the errors in $log:" >&2
    grep -E -A3 'error|Error' "$log" | head -n 40 >&2
    exit 1
  fi
}

# run_tests LOG [ENV=VALUE...]: every test, with LANG alone deciding the
# locale; the summary, and what failed
run_tests() {
  local log=$1
  shift
  echo "Testing $* (log: $log)"
  if (cd build && watched "../$log" env -u LC_ALL -u LC_NUMERIC -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE \
    QT_QPA_PLATFORM=offscreen "$@" ctest --output-on-failure --parallel "$(nproc)"); then
    grep -E 'tests passed|Total Test time' "$log"
  else
    sed -n '/tests passed/,$p' "$log"
    echo "failed; the output of each failed test is in $log" >&2
    return 1
  fi
}

# The program, its command-line calculator and their files. The package
# builds everything the configuration holds (without tests: the programs,
# their files and man pages), the tests everything but benchmarks and tools.
PROGRAM_TARGETS=(vantorel vantorel-calc vantorel_data)

package() {
  PACKAGES+=("${PACKAGE_PACKAGES[@]}")
  install_missing
  configure
  build all
  rm -f build/package/*.deb
  echo "Packaging (log: $LOGS/package.log)"
  logged "$LOGS/package.log" cpack --config build/CPackConfig.cmake
}

# The Python module's tests, with Debian's python3 against the module in the
# build tree; said to be skipped where the module or pytest is missing.
run_python_tests() {
  local log=$LOGS/test-python.log
  local python=/usr/bin/python3
  if ! compgen -G "build/python/vantorel*.so" >/dev/null; then
    echo "Python tests skipped: the module was not built (pybind11 or Python's headers missing)"
    return 0
  fi
  if ! "$python" -c "import pytest, numpy" 2>/dev/null; then
    echo "Python tests skipped: $python lacks pytest or numpy"
    return 0
  fi
  echo "Testing Python (log: $log)"
  if env PYTHONPATH="$PWD/build/python" VANTOREL_CALC="$PWD/build/bin/vantorel-calc" \
    "$python" -m pytest -p no:cacheprovider -q python/tests >"$log" 2>&1; then
    tail -n 1 "$log"
  else
    tail -n 30 "$log"
    echo "failed; the output of the Python tests is in $log" >&2
    return 1
  fi
}

build_clang() {
  local dir=$1
  shift
  CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_BUILD_BENCH=OFF "$@" >/dev/null
}

case "${1:-}" in
  run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "vantorel needs a display and none is set (DISPLAY, WAYLAND_DISPLAY); on a machine without one: xvfb-run -a ./build.sh run" >&2
      exit 1
    fi
    install_missing
    configure
    build "${PROGRAM_TARGETS[@]}"
    echo "Starting build/bin/vantorel"
    exec ./build/bin/vantorel
    ;;
  test)
    PACKAGES+=("${TEST_PACKAGES[@]}")
    install_missing
    ensure_russian_locale
    configure -DVANTOREL_BUILD_TESTS=ON
    build all
    # once with a decimal point, once with the Russian decimal comma
    status=0
    run_tests "$LOGS/test-C.log" LANG=C.UTF-8 || status=1
    run_tests "$LOGS/test-ru.log" LANG=ru_RU.UTF-8 || status=1
    run_python_tests || status=1
    exit $status
    ;;
  package)
    package
    ls build/package/*.deb
    ;;
  install)
    package
    debs=(build/package/vantorel_*.deb)
    echo "Installing ${debs[*]} (log: $LOGS/apt.log)"
    # apt reads a local package only by a path with a slash in it
    logged "$LOGS/apt.log" as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${debs[@]/#/./}"
    echo "Installed: vantorel, vantorel-calc and the menu entry; remove with: apt purge vantorel"
    ;;
  bench)
    PACKAGES+=("${BENCH_PACKAGES[@]}")
    install_missing
    configure -DVANTOREL_BUILD_BENCH=ON -DVANTOREL_BUILD_TOOLS=ON
    build all
    ;;
  sanitize)
    PACKAGES+=("${TEST_PACKAGES[@]}" "${CLANG_PACKAGES[@]}")
    install_missing
    build_clang build-sanitize -DVANTOREL_SANITIZE=ON
    cmake --build build-sanitize --parallel "$(nproc)" -- --no-print-directory >/dev/null
    cd build-sanitize
    # the random walk over the window goes five times further than in ./build.sh test
    ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      VANTOREL_WALK_ACTIONS=5000 QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
  fuzz)
    seconds=${2:-600}
    PACKAGES+=("${TEST_PACKAGES[@]}" "${CLANG_PACKAGES[@]}")
    install_missing
    build_clang build-fuzz -DVANTOREL_FUZZ=ON
    fuzzers=(number_text table batch)
    cmake --build build-fuzz --parallel "$(nproc)" --target "${fuzzers[@]/#/fuzz_}" -- --no-print-directory >/dev/null
    # new inputs go to build-fuzz/corpus; a finding is written to build-fuzz/findings
    # and belongs in tests/fuzz/regressions once it is mended
    found=0
    for name in "${fuzzers[@]}"; do
      mkdir -p "build-fuzz/corpus/$name" build-fuzz/findings
      echo "fuzz_$name: $seconds s"
      "build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$name-" "build-fuzz/corpus/$name" "tests/fuzz/regressions/$name" ||
        found=1
    done
    exit $found
    ;;
  *)
    echo "usage: $0 run|test|package|install|bench|sanitize|fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
