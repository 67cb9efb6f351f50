#!/usr/bin/env bash
# Installs the package on a fresh Debian 12 (a minimal system built with debootstrap from
# deb.debian.org in a temporary folder), as `apt install ./kerbo_*.deb` would on a driver's
# machine, then starts the installed program as a new user and checks that it seeds the
# per-user data folder. Needs root and the network; takes a few minutes.
#   packaging/check-fresh-install.sh [kerbo_<version>_<arch>.deb]
set -euo pipefail

deb="${1:-$(ls -1 "$(dirname "$0")"/../build/package/kerbo_*.deb 2>/dev/null | tail -1)}"
[ -f "$deb" ] || { echo "no package: run 'make package' first" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot need it)" >&2; exit 1; }
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
fi

work="$(mktemp -d /var/tmp/kerbo-fresh.XXXXXX)"
root="$work/root"
cleanup() {
  mountpoint -q "$root/proc" && umount "$root/proc"
  rm -rf "$work"
}
trap cleanup EXIT

echo "== a fresh Debian 12 in $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$work/debootstrap.log" 2>&1 ||
  { tail -20 "$work/debootstrap.log" >&2; exit 1; }
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
name="$(basename "$deb")"

echo "== apt install ./$name"
chroot "$root" bash -c "apt-get update -qq &&
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$name" >"$work/apt.log" 2>&1 ||
  { tail -20 "$work/apt.log" >&2; exit 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }
entry="$root/usr/share/applications/fr.kerbo.Kerbo.desktop"
[ -f "$entry" ] || fail "no menu entry"
program="$(sed -n 's/^Exec=//p' "$entry")"
icon="$(sed -n 's/^Icon=//p' "$entry")"
[ -x "$root/usr/bin/$program" ] || fail "the menu entry starts '$program', which is not installed"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon '$icon'"

echo "== first start as a new user"
chroot "$root" useradd -m conducteur
folder="$(chroot "$root" su - conducteur -c \
  "QT_QPA_PLATFORM=offscreen KERBO_EXIT_AFTER=data $program" 2>"$work/run.log")" ||
  { cat "$work/run.log" >&2; fail "the program did not start"; }
[ "$folder" = /home/conducteur/.local/share/Kerbo/DataBul/ ] || fail "data folder '$folder'"
[ -f "$root${folder}ListeGares.txt" ] || fail "the data folder was not seeded"

chroot "$root" bash -c "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kerbo" >/dev/null 2>&1 ||
  fail "apt remove kerbo"
[ ! -e "$root/usr/bin/$program" ] || fail "the program is still there after removal"
[ -f "$root${folder}ListeGares.txt" ] || fail "removing the package touched the driver's data"
echo "OK: $name installs on a fresh Debian 12, starts from its menu entry's command, seeds $folder"
