#!/usr/bin/env bash
# Vantorel: install what is missing, build, then run the program or the tests.
#   ./build.sh run    build and start the calculator
#   ./build.sh test   build and run every test
#   ./build.sh sanitize          build with clang, AddressSanitizer and UBSan; run every test
#   ./build.sh fuzz [SECONDS]    build the libFuzzer programs; run each for SECONDS (600)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libsimpleini-dev nlohmann-json3-dev fonts-dejavu-core)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --parallel "$(nproc)" -- --no-print-directory >/dev/null
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
    install_missing
    build
    exec ./build/bin/vantorel
    ;;
  test)
    install_missing
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
  sanitize)
    PACKAGES+=("${CLANG_PACKAGES[@]}")
    install_missing
    build_clang build-sanitize -DVANTOREL_SANITIZE=ON
    cmake --build build-sanitize --parallel "$(nproc)" -- --no-print-directory >/dev/null
    cd build-sanitize
    ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
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
    echo "usage: $0 run|test|sanitize|fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
