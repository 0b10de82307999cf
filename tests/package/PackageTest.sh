#!/usr/bin/env bash
# The Debian package made from this build folder, unpacked into a temporary
# root: its files are there, its programs run, its desktop entry and AppStream
# metainfo validate. Usage: PackageTest.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
skipped=77

for tool in cpack dpkg-deb help2man rsvg-convert desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing (scripts/bootstrap installs it)"
    exit "$skipped"
  fi
done
if [ ! -f "$build/CPackConfig.cmake" ]; then
  echo "skipped: $build was configured without the package"
  exit "$skipped"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

cmake --build "$build" -j2 --target vorenxr_package_files >/dev/null
(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
package=$work/out/vorenxr_${version}_amd64.deb
[ -f "$package" ] || { echo "FAILED: no $(basename "$package")"; ls "$work/out"; exit 1; }
root=$work/root
dpkg-deb -x "$package" "$root"

share=$root/usr/share
app=org.vorenxr.diag
expected=(
  usr/bin/vorenxr-diag
  usr/bin/vorenxr-sim
  "usr/share/applications/$app.desktop"
  "usr/share/metainfo/$app.metainfo.xml"
  usr/share/icons/hicolor/scalable/apps/vorenxr-diag.svg
  usr/share/man/man1/vorenxr-diag.1.gz
  usr/share/man/man1/vorenxr-sim.1.gz
  usr/share/doc/vorenxr/README.md
  usr/share/doc/vorenxr/mended-faults.md
  usr/share/doc/vorenxr/copyright
  usr/share/doc/vorenxr/changelog.gz
)
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done

# Each PNG is as wide and as high as the folder it lies in says.
for size in 16 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/vorenxr-diag.png
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
    continue
  fi
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8}')
  [ "$width x $height" = "$size x $size" ] || fail "the ${size}x${size} icon is $width x $height"
done

# Manual pages made from the programs' own --help, of this version.
for program in vorenxr-diag vorenxr-sim; do
  page=$(gzip -dc "$share/man/man1/$program.1.gz")
  grep -q "^\.TH ${program^^} \"1\" .*\"$program $version\"" <<<"$page" || fail "$program.1 has no header of version $version"
  grep -qF -- '\-\-version' <<<"$page" || fail "$program.1 does not list --version"
done
gzip -dc "$share/doc/vorenxr/changelog.gz" | head -1 | grep -q "^vorenxr ($version) " ||
  fail "the changelog does not start with version $version"
grep -q "<release version=\"$version\"" "$share/metainfo/$app.metainfo.xml" ||
  fail "the metainfo has no release $version"

depends=$(dpkg-deb -f "$package" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the Qt libraries: $depends"

# The unpacked programs run, without a display.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/vorenxr-diag" --version) || fail "vorenxr-diag --version failed"
[ "$said" = "vorenxr-diag $version" ] || fail "vorenxr-diag --version said: $said"
help=$("$root/usr/bin/vorenxr-sim" --help) || fail "vorenxr-sim --help failed"
grep -q '^Usage: vorenxr-sim' <<<"$help" || fail "vorenxr-sim --help said: $help"

desktop-file-validate "$share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
# The tree as installed: the metainfo's launchable and icon are found.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

[ "$failures" -eq 0 ] || exit 1
echo "vorenxr_${version}_amd64.deb: files, programs, desktop entry and metainfo are sound"
