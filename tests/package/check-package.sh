#!/usr/bin/env bash
# Checks the Debian package built by CPack: its contents, its menu entry and metadata, and that
# the installed program seeds the user's data folder on its first start.
# Usage: check-package.sh <folder holding kerbo_*.deb>
set -uo pipefail

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

debs=("$1"/kerbo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one kerbo_*.deb in $1"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x $deb"; exit 1; }

# Control fields: the version of the build and the libraries found by dpkg-shlibdeps.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libc6 qt6-translations-l10n; do
  [[ $depends == *"$lib"* ]] && pass "depends on $lib" || fail "Depends lacks $lib: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *qt6-wayland* ]] && pass "recommends qt6-wayland" \
  || fail "Recommends lacks qt6-wayland (a Wayland-only desktop starts no window): $recommends"
[ "$(dpkg-deb -f "$deb" Package)" = kerbo ] && pass "package name" || fail "package name"

# The menu entry names a program and an icon that the package holds.
desktop=$root/usr/share/applications/fr.kerbo.Kerbo.desktop
[ -f "$desktop" ] || { echo "FAIL: no desktop entry"; exit 1; }
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] && pass "Exec=$exec_name is /usr/bin/$exec_name" \
  || fail "Exec=$exec_name not in /usr/bin"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] && pass "icon $icon" \
  || fail "icon $icon.svg missing"
metainfo=$root/usr/share/metainfo/fr.kerbo.Kerbo.metainfo.xml
grep -q "<launchable type=\"desktop-id\">fr.kerbo.Kerbo.desktop</launchable>" "$metainfo" \
  && pass "metainfo launches the desktop entry" || fail "metainfo launchable"
manpage=$root/usr/share/man/man1/$exec_name.1.gz
if [ -f "$manpage" ]; then
  # `man kerbo` of an upgraded program names the version installed.
  header=$(gzip -dc "$manpage" | sed -n '/^\.TH /{p;q}')
  [[ $header == *"\"Kerbo $(dpkg-deb -f "$deb" Version)\""* ]] \
    && pass "manual page $exec_name(1) of this version" \
    || fail "manual page header '$header', package $(dpkg-deb -f "$deb" Version)"
else
  fail "no manual page for $exec_name"
fi
grep -q '^Categories=.*Office;' "$desktop" && pass "category Office" || fail "category"
# Qt is the system's: the program looks for libraries where the system keeps them, never beside
# itself nor in the folder it is started from.
if command -v readelf >/dev/null; then
  rpath=$(readelf -d "$root/usr/bin/kerbo" | grep -E 'R(UN)?PATH')
  [ -z "$rpath" ] && pass "no library search path in the program" \
    || fail "library search path: $rpath"
else
  echo "skip: readelf not installed"
fi
[ -z "$(find "$root" -name DataBul)" ] && pass "no data folder in the package" \
  || fail "a DataBul folder is packaged"

if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] && pass "desktop-file-validate" \
    || fail "desktop-file-validate: $out"
else
  echo "skip: desktop-file-validate not installed"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) && pass "appstreamcli validate" \
    || fail "appstreamcli validate: $out"
else
  echo "skip: appstreamcli not installed"
fi

# The changelog's latest entry is the version packaged: a new version comes with its entry.
changelog=$root/usr/share/doc/kerbo/changelog.gz
if [ ! -f "$changelog" ]; then
  fail "no changelog.gz"
elif command -v dpkg-parsechangelog >/dev/null; then
  logged=$(gzip -dc "$changelog" | dpkg-parsechangelog -l - -S Version 2>&1)
  [ "$logged" = "$(dpkg-deb -f "$deb" Version)" ] && pass "changelog names version $logged" \
    || fail "changelog's latest version '$logged', package $(dpkg-deb -f "$deb" Version)"
else
  echo "skip: dpkg-parsechangelog not installed"
fi

# Debian's own checks. One waits on a choice that is not the developers' to make: the
# maintainer's address.
if command -v lintian >/dev/null; then
  out=$(lintian --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$deb" 2>&1 \
        | grep -E '^[EW]:')
  [ -z "$out" ] && pass "lintian" || fail "lintian: $out"
else
  echo "skip: lintian not installed"
fi

# The first start of the installed program seeds ~/.local/share/Kerbo/DataBul, not the program's
# folder; a second start keeps what is there.
run() { env -i PATH=/usr/bin:/bin HOME="$1" QT_QPA_PLATFORM=offscreen KERBO_EXIT_AFTER=data \
          "$root/usr/bin/kerbo"; }
home=$work/home
mkdir -p "$home"
out=$(run "$home" 2>"$work/err")
data=$home/.local/share/Kerbo/DataBul
[ "$out" = "$data/" ] && pass "data folder $out" || fail "data folder: '$out' $(cat "$work/err")"
for f in ListeGares.txt ParametresImp.txt AideKerbo1.html ListeDossier.txt; do
  [ -f "$data/$f" ] || fail "$f not seeded"
done
[ -w "$data/ListeGares.txt" ] && pass "seeded files are writable" || fail "seeded files read-only"
[ ! -e "$root/usr/bin/DataBul" ] && pass "nothing written beside the program" \
  || fail "DataBul created in usr/bin"
printf 'GARE DU DRIVER\r\n' > "$data/ListeGares.txt"
run "$home" >/dev/null 2>&1
[ "$(cat "$data/ListeGares.txt")" = $'GARE DU DRIVER\r' ] && pass "second start keeps the data" \
  || fail "second start changed the data"

# A home where nothing can be created: the data folder message, and no start.
touch "$work/file"
if run "$work/file/home" >"$work/out" 2>"$work/err"; then
  fail "started without a data folder"
else
  grep -q "ne peut pas écrire dans son dossier de données" "$work/err" && pass "unwritable home is reported" \
    || fail "unwritable home: $(cat "$work/err")"
fi

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
