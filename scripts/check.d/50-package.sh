# shellcheck shell=bash
# The installable program: the icons match their SVG, the desktop entry and the AppStream
# metainfo are valid, a clean install holds exactly the expected files, the Debian package
# builds from a Release build, lintian finds no error in it, and it installs, starts and goes
# away again. Last, nothing in the source tree was written by any step of the check.
# Uses its own build folder (QUILLORN_PKG_BUILD, by default build-check-pkg beside the sources);
# QUILLORN_PKG_CMAKE_ARGS adds options to its configure step.
set -euo pipefail
root=${QUILLORN_ROOT:?}
build=${QUILLORN_PKG_BUILD:-$root/build-check-pkg}
app_id=io.github.quillorn.Quillorn
fail() { echo "package check: $*" >&2; exit 1; }

echo "-- icons: the committed PNGs are the ones the SVG gives"
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
bash "$root/packaging/icons/render-png.sh" "$fresh"
for png in "$fresh"/*.png; do
  cmp -s "$png" "$root/packaging/icons/png/$(basename "$png")" ||
    fail "packaging/icons/png/$(basename "$png") is stale: run packaging/icons/render-png.sh"
done

echo "-- desktop entry"
desktop-file-validate "$root/packaging/$app_id.desktop"

echo "-- Release build for the package"
# shellcheck disable=SC2086 # the extra options are split on purpose
configured=$(cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUILLORN_BUILD_TESTS=OFF -DQUILLORN_BUILD_BENCH=OFF ${QUILLORN_PKG_CMAKE_ARGS:-})
! grep -q 'Packaging: no quillorn program target' <<<"$configured" ||
  fail "the build has no quillorn program to package"
cmake --build "$build" -j"$(nproc)"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no package version in $build/CPackConfig.cmake"

echo "-- AppStream metainfo"
appstreamcli validate --no-net "$build/packaging/$app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$build/packaging/$app_id.metainfo.xml" ||
  fail "the metainfo has no release $version"
# The screenshot's address names a file of this repository's main branch.
shot=$(sed -n 's|.*<image>.*/main/\(.*\)</image>.*|\1|p' "$build/packaging/$app_id.metainfo.xml")
[ -f "$root/${shot:-(none)}" ] || fail "the metainfo's screenshot ${shot:-(none)} is not in the repository"

echo "-- clean install into a staging folder"
stage="$build/stage"
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr --strip >/dev/null
expected=$(
  echo usr/bin/quillorn
  echo "usr/share/applications/$app_id.desktop"
  echo "usr/share/metainfo/$app_id.metainfo.xml"
  echo "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  for size in 16 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  done
  echo usr/share/man/man1/quillorn.1.gz
  echo usr/share/doc/quillorn/copyright
  echo usr/share/doc/quillorn/changelog.gz
)
expected=$(sort <<<"$expected")
installed=$(cd "$stage" && find . ! -type d | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] ||
  fail "installed files differ from the expected ones:$(echo; diff <(echo "$expected") <(echo "$installed"))"
file -b "$stage/usr/bin/quillorn" | grep -q 'ELF.*, stripped' || fail "usr/bin/quillorn is not a stripped ELF program"
for size in 16 24 32 48 64 128 256; do
  file -b "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
    grep -q "PNG image data, $size x $size," || fail "the ${size}x${size} icon is not $size pixels"
done
gzip -t "$stage/usr/share/man/man1/quillorn.1.gz" "$stage/usr/share/doc/quillorn/changelog.gz"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$stage/usr/share/man/man1/quillorn.1.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "the man page has warnings: $man_warnings"
appstreamcli validate-tree --no-net "$stage/usr"

echo "-- Debian package"
rm -f "$build"/quillorn_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$build/quillorn_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack made no $deb"
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quillorn ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), project $version"
[ "$(field Section)" = utils ] || fail "section $(field Section)"
[ "$(field Recommends)" = "fonts-wqy-microhei | fonts-noto-cjk" ] || fail "recommends $(field Recommends)"
[ -n "$(field Homepage)" ] || fail "no homepage"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
field Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt widgets library: $(field Depends)"
field Depends | grep -q 'libc6' || fail "Depends lacks libc6: $(field Depends)"
in_deb=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)
[ "$in_deb" = "$expected" ] ||
  fail "package contents differ from the expected files:$(echo; diff <(echo "$expected") <(echo "$in_deb"))"
bad_owner=$(dpkg-deb --contents "$deb" | awk '$2 != "root/root"')
[ -z "$bad_owner" ] || fail "files not owned by root: $bad_owner"

echo "-- lintian"
status=0
tags=$(lintian --fail-on error --display-info "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$tags" || true
[ "$status" = 0 ] || fail "lintian reports errors in $(basename "$deb")"

# Installing system-wide is cheap and undone at once, but only as root and only where no
# quillorn package is installed already (a developer's own installation is left alone).
if [ "$(id -u)" = 0 ] && ! dpkg-query -W quillorn >/dev/null 2>&1; then
  echo "-- install, start and remove the package"
  trap 'dpkg --purge quillorn >/dev/null 2>&1 || true; rm -rf "$fresh"' EXIT
  dpkg -i "$deb" >/dev/null
  [ -x /usr/bin/quillorn ] || fail "dpkg -i left no /usr/bin/quillorn"
  ! ldd /usr/bin/quillorn | grep -q 'not found' || fail "missing libraries: $(ldd /usr/bin/quillorn)"
  # Started the way a desktop starts it, from its entry, on the offscreen platform: the
  # installed program running three seconds later means it started.
  (cd / && QT_QPA_PLATFORM=offscreen gio launch "/usr/share/applications/$app_id.desktop") \
    >/dev/null 2>&1 || fail "gio could not launch the desktop entry"
  started=""
  for _ in $(seq 50); do
    for pid in $(pgrep -x quillorn || true); do
      [ "$(readlink "/proc/$pid/exe")" = /usr/bin/quillorn ] && started=$pid
    done
    [ -n "$started" ] && break
    sleep 0.1
  done
  [ -n "$started" ] || fail "the desktop entry started no /usr/bin/quillorn"
  sleep 3
  kill -0 "$started" 2>/dev/null || fail "the program started from its entry ended at once"
  kill "$started"
  dpkg --purge quillorn >/dev/null
  for f in /usr/bin/quillorn "/usr/share/applications/$app_id.desktop"; do
    [ ! -e "$f" ] || fail "dpkg --purge left $f behind"
  done
else
  echo "-- not root, or quillorn already installed: install test skipped"
fi

echo "-- source tree untouched"
# Build folders are ignored (/build*/); anything else that shows up was written by a step of
# the check. On a developer's tree with work in progress this is only a warning.
changes=$(git -C "$root" status --porcelain --untracked-files=all)
if [ -n "$changes" ]; then
  if [ "${CI:-}" = true ]; then
    fail "the check changed the source tree:$(echo; echo "$changes")"
  fi
  echo "warning: the source tree has changes (work in progress, or written by a test):"
  echo "$changes"
fi
echo "-- package check passed: $(basename "$deb")"
