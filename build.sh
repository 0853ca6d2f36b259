#!/usr/bin/env bash
# Vantorel: install what is missing, build, then run the program, the tests or
# make the Debian package. One line per stage; full logs in build/logs/.
#   ./build.sh run             build and start the calculator
#   ./build.sh test            build and run every test
#   ./build.sh package         build the Debian package into build/package/
#   ./build.sh sanitize        build with clang, AddressSanitizer and UBSan; run every test
#   ./build.sh fuzz [SECONDS]  build the libFuzzer programs; run each for SECONDS (600)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libsimpleini-dev nlohmann-json3-dev libcli11-dev fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev file locales qt6-translations-l10n
          xvfb openbox xdotool x11-utils
          python3-dev python3-pybind11 python3-numpy python3-pandas python3-pytest python3-dask
          python3-distributed
          libqt6sql6-sqlite libqt6printsupport6 poppler-utils)

LOGS=build/logs
mkdir -p "$LOGS"

# logged LOG COMMAND...: runs the command into the log; on failure shows its end
logged() {
  local log=$1
  shift
  if ! "$@" >"$log" 2>&1; then
    echo "failed; the last lines of $log:" >&2
    tail -n 40 "$log" >&2
    exit 1
  fi
}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing ${missing[*]} (log: $LOGS/install.log)"
  logged "$LOGS/install.log" $sudo env DEBIAN_FRONTEND=noninteractive \
    sh -c 'apt-get update -qq && apt-get install -y -qq --no-install-recommends "$@"' apt "${missing[@]}"
}

# The tests run once more under a Russian locale (decimal comma).
ensure_russian_locale() {
  locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Generating the ru_RU.UTF-8 locale"
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
}

configure() {
  echo "Configuring (log: $LOGS/configure.log)"
  logged "$LOGS/configure.log" cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

# the build's own percentages on one line, rewritten in place on a terminal
build() {
  local log=$LOGS/build.log shown=""
  echo -n "Building (log: $log)"
  if ! cmake --build build --parallel "$(nproc)" -- --no-print-directory 2>&1 | tee "$log" |
    while IFS= read -r line; do
      if [[ $line =~ ^\[\ *([0-9]+)%\] ]] && [ "${BASH_REMATCH[1]}" != "$shown" ]; then
        shown=${BASH_REMATCH[1]}
        if [ -t 1 ]; then printf '\rBuilding (log: %s) %s%%' "$log" "$shown"; fi
      fi
    done; then
    echo
    echo "failed; the errors in $log:" >&2
    grep -E -A3 'error|Error' "$log" | head -n 40 >&2
    exit 1
  fi
  if [ -t 1 ]; then printf '\rBuilding (log: %s) done\n' "$log"; else echo " done"; fi
}

# run_tests LOG [ENV=VALUE...]: every test, with LANG alone deciding the
# locale; the summary, and what failed
run_tests() {
  local log=$1
  shift
  echo "Testing $* (log: $log)"
  if (cd build && env -u LC_ALL -u LC_NUMERIC -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE \
    QT_QPA_PLATFORM=offscreen "$@" ctest --output-on-failure --parallel "$(nproc)") >"$log" 2>&1; then
    grep -E 'tests passed|Total Test time' "$log"
  else
    sed -n '/tests passed/,$p' "$log"
    echo "failed; the output of each failed test is in $log" >&2
    return 1
  fi
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

# The sanitizer and fuzzer builds use clang and its runtime, only when asked for.
CLANG_PACKAGES=(clang libclang-rt-dev)

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
    build
    exec ./build/bin/vantorel
    ;;
  test)
    install_missing
    ensure_russian_locale
    configure
    build
    # once with a decimal point, once with the Russian decimal comma
    status=0
    run_tests "$LOGS/test-C.log" LANG=C.UTF-8 || status=1
    run_tests "$LOGS/test-ru.log" LANG=ru_RU.UTF-8 || status=1
    run_python_tests || status=1
    exit $status
    ;;
  package)
    install_missing
    configure
    build
    echo "Packaging (log: $LOGS/package.log)"
    logged "$LOGS/package.log" cpack --config build/CPackConfig.cmake
    ls build/package/*.deb
    ;;
  sanitize)
    PACKAGES+=("${CLANG_PACKAGES[@]}")
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
    PACKAGES+=("${CLANG_PACKAGES[@]}")
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
    echo "usage: $0 run|test|package|sanitize|fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
