#!/usr/bin/env bash
# Vantorel: install what is missing, build, then run the program or the tests.
#   ./build.sh run    build and start the calculator
#   ./build.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libsimpleini-dev nlohmann-json3-dev fonts-dejavu-core locales)

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

# The tests run once more under a Russian locale (decimal comma).
ensure_russian_locale() {
  locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Generating the ru_RU.UTF-8 locale"
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
}

# ctest with LANG alone deciding the locale.
ctest_under() {
  env -u LC_ALL -u LC_NUMERIC -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE LANG="$1" \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --parallel "$(nproc)" -- --no-print-directory >/dev/null
}

case "${1:-}" in
  run)
    install_missing
    build
    exec ./build/bin/vantorel
    ;;
  test)
    install_missing
    ensure_russian_locale
    build
    cd build
    status=0
    for lang in C.UTF-8 ru_RU.UTF-8; do
      echo "Tests under LANG=$lang"
      ctest_under "$lang" || status=1
    done
    exit $status
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
