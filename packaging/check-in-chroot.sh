#!/usr/bin/env bash
# The Debian package on a fresh Debian 12: a minbase chroot made with
# debootstrap from this machine's Debian mirror, where apt installs the
# package from its file, both programs start (the window under xvfb-run) as
# root and as a user, an installed copy writes nothing into its program folder
# and reads the user's own table first, and apt purge leaves nothing behind.
# Run by hand, as root:
#   ./build.sh package && packaging/check-in-chroot.sh [build/package/*.deb]
# A python3-vantorel package among the files is installed and imported too.
#   packaging/check-in-chroot.sh --readme [BRANCH]
# instead runs the README's two commands there, as root, in a fresh clone of
# this repository's BRANCH (the current one by default), and times them:
# ./build.sh run (offscreen, closing once started) and ./build.sh test.
# VANTOREL_CHROOT_BASE=FILE.tar.gz starts from a saved debootstrap instead of
# a new one; VANTOREL_CHROOT_KEEP=1 keeps the chroot for a look afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap, chroot and mount need it" >&2; exit 2; }
readme=""
if [ "${1:-}" = --readme ]; then
  readme=${2:-$(git rev-parse --abbrev-ref HEAD)}
  debs=()
else
  debs=("$@")
  [ ${#debs[@]} -gt 0 ] || debs=(build/package/*.deb)
  for deb in "${debs[@]}"; do
    [ -f "$deb" ] || { echo "no package $deb; make it with ./build.sh package" >&2; exit 2; }
  done
fi
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null

# This machine's Debian mirror (deb822 or one-line sources), the default one otherwise.
mirror=$(grep -rhoE '(URIs:|deb) +https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null |
  head -n 1 | awk '{print $2}') || true
mirror=${mirror:-http://deb.debian.org/debian}
security=${mirror%/debian*}/debian-security

root=$(mktemp -d /var/tmp/vantorel-chroot.XXXXXX)
step() { echo "== $*"; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
as_user() { chroot --userspec=tester:tester "$root" env -i PATH=/usr/bin:/bin HOME=/home/tester LANG=C.UTF-8 "$@"; }
cleanup() {
  umount "$root/dev" 2>/dev/null || true
  umount "$root/proc" 2>/dev/null || true
  if [ "${VANTOREL_CHROOT_KEEP:-}" = 1 ]; then echo "chroot kept in $root"; else rm -rf --one-file-system "$root"; fi
}
trap cleanup EXIT
failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

if [ -n "${VANTOREL_CHROOT_BASE:-}" ]; then
  step "unpacking $VANTOREL_CHROOT_BASE"
  tar -C "$root" -xzf "$VANTOREL_CHROOT_BASE"
else
  step "debootstrap --variant=minbase bookworm from $mirror"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log"; exit 1; }
  rm -f "$root.debootstrap.log"
fi
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"

in_root apt-get update -qq

if [ -n "$readme" ]; then
  step "a fresh clone of $readme"
  git clone -q --no-local --branch "$readme" "$(git rev-parse --show-toplevel)" "$root/root/vantorel"
  readme_command() {
    local start=$SECONDS status=0
    step "$*"
    # the program started by ./build.sh run closes once it is up; nothing else is told to
    local quit=()
    [ "$*" = "./build.sh run" ] && quit=(QT_QPA_PLATFORM=offscreen VANTOREL_QUIT_AFTER_START=1)
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 TERM=dumb "${quit[@]}" \
      sh -c "cd /root/vantorel && $*" </dev/null || status=$?
    echo "== $*: status $status after $((SECONDS - start)) s"
    return $status
  }
  readme_command ./build.sh run || failures=$((failures + 1))
  readme_command ./build.sh test || failures=$((failures + 1))
  # the logs outlive the chroot
  logs=/var/tmp/vantorel-readme-logs
  rm -rf "$logs" && cp -r "$root/root/vantorel/build/logs" "$logs" && echo "== the build's logs are in $logs"
  echo "== $failures failed"
  exit $((failures > 0))
fi

step "xvfb-run for the window; a user"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null
in_root useradd --create-home tester

# Everything outside the home folders, /tmp and apt's and dpkg's own records.
snapshot() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./sys -o -path ./tmp -o -path ./root \
    -o -path ./home -o -path ./run -o -path ./var/cache -o -path ./var/log -o -path ./var/lib/apt \
    -o -path ./var/lib/dpkg \) -prune -o -print | sort)
}
snapshot >"$root/tmp/before.txt"

step "apt install ${debs[*]##*/}"
mkdir -p "$root/tmp/debs"
cp "${debs[@]}" "$root/tmp/debs/"
# the paths as the chroot sees them: a glob here would be expanded outside it
inside=()
for deb in "${debs[@]}"; do inside+=("/tmp/debs/${deb##*/}"); done
if ! in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${inside[@]}" \
  >"$root/tmp/apt.log" 2>&1; then
  cat "$root/tmp/apt.log"
  exit 1
fi
grep -E '^(The following NEW|  [a-z0-9]|Setting up (vantorel|python3-vantorel)|[0-9]+ upgraded)' "$root/tmp/apt.log"
in_root dpkg-query -W -f='${Package} ${Version}: ${Depends}\n' vantorel

program=/usr/lib/vantorel
listing() { (cd "$root$program" && find . | sort); }
listing >"$root/tmp/program-before.txt"

step "vantorel-calc"
in_root vantorel-calc --version
out=$(as_user vantorel-calc --decimal , reduce20 850 15,3 | tr '\t\n' '= ')
echo "reduce20 850 15,3 -> $out"
check "vantorel-calc computes" [ "$out" = "temperature=15,5 density20=847,0 " ]
check "vantorel-calc reads the shipped table" [ "$(as_user vantorel-calc --which-table)" = "$program/tablegost3900.txt" ]

step "the user's own table"
own=/home/tester/.local/share/vantorel/tablegost3900.txt
as_user mkdir -p /home/tester/.local/share/vantorel
# the same table with the reading 850 at 15,5 °C changed, so that its use shows
sed '/^ *15,5 /s/\*0850 847,0/*0850 900,0/' "$root$program/tablegost3900.txt" >"$root$own"
in_root chown -R tester:tester /home/tester/.local
echo "--which-table -> $(as_user vantorel-calc --which-table)"
check "the user's table is read first" [ "$(as_user vantorel-calc --which-table)" = "$own" ]
out=$(as_user vantorel-calc --decimal , reduce20 850 15,3 | tr '\t\n' '= ')
echo "reduce20 850 15,3 -> $out"
check "the user's table gives its own value" [ "$out" = "temperature=15,5 density20=900,0 " ]

step "vantorel under xvfb-run, as root and as the user"
window() {
  "$@" xvfb-run -a env VANTOREL_QUIT_AFTER_START=1 vantorel 2>&1
}
for who in in_root as_user; do
  said=$(window $who) && status=0 || status=$?
  echo "$who: status $status${said:+, said: $said}"
  check "vantorel starts and closes cleanly ($who)" [ $status -eq 0 -a -z "$said" ]
done
check "root's settings are in /root/.config/vantorel" [ -f "$root/root/.config/vantorel/settings.ini" ]
check "the user's settings are in ~/.config/vantorel" [ -f "$root/home/tester/.config/vantorel/settings.ini" ]
check "nothing was written into $program" diff "$root/tmp/program-before.txt" <(listing)

if [ -n "$(ls "$root"/tmp/debs/python3-vantorel_*.deb 2>/dev/null)" ]; then
  step "python3-vantorel"
  check "python3 imports vantorel" in_root python3 -c 'import vantorel; print("vantorel", vantorel.__file__)'
fi

step "apt purge"
purged=$(cd "$root/tmp/debs" && for f in *.deb; do echo "${f%%_*}"; done)
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $purged >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y -qq >/dev/null
snapshot >"$root/tmp/after.txt"
left=$(diff "$root/tmp/before.txt" "$root/tmp/after.txt" || true)
echo "${left:-nothing changed outside the home folders}"
check "apt purge leaves nothing" [ -z "$left" ]
check "no package of ours is left" [ -z "$(in_root dpkg -l | grep -E ' (vantorel|python3-vantorel) ' || true)" ]

echo "== $failures failed"
exit $((failures > 0))
