#!/usr/bin/env bash
# The release as an office's IT department receives it: scripts/release run
# twice from the same commit, each in build folders of its own, must give
# the same bytes; the package is checked with lintian, by its contents and
# control fields, and its program runs from an unpacked copy; the archive
# holds what the guide lists, the guide reads in code page 932 with CR LF,
# and its mirelo.exe runs under Wine from a folder with Japanese in its name,
# laying a sample out as the Debian build does.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/mirelo-release-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "release check: $*" >&2; exit 1; }

for run in a b; do
  MIRELO_RELEASE_BUILD_DIR=$work/build-$run MIRELO_DIST_DIR=$work/dist-$run \
    "$root/scripts/release" >"$work/release-$run.log" 2>&1 ||
    { cat "$work/release-$run.log" >&2; fail "scripts/release failed"; }
done
a=$work/dist-a b=$work/dist-b
deb=$(cd "$a" && ls mirelo_*_amd64.deb)
zip=$(cd "$a" && ls mirelo-*-windows-x64.zip)
version=${deb#mirelo_}; version=${version%_amd64.deb}
[ "$zip" = "mirelo-$version-windows-x64.zip" ] || fail "the archive's version differs: $zip"
for f in "$deb" "$zip" SHA256SUMS; do
  cmp "$a/$f" "$b/$f" || fail "$f differs between two runs"
done
(cd "$a" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not match"
echo "release check: two runs gave the same $deb, $zip and SHA256SUMS"

# The package: no lintian error, the files and fields an install needs.
lintian --tag-display-limit 0 "$a/$deb" >"$work/lintian.txt" 2>&1 || true
if grep -q '^E: ' "$work/lintian.txt"; then cat "$work/lintian.txt" >&2; fail "lintian reports errors"; fi
dpkg-deb -c "$a/$deb" | awk '{print $1, $2, $6}' >"$work/contents.txt"
for entry in '-rwxr-xr-x root/root ./usr/bin/mirelo' \
             '-rw-r--r-- root/root ./usr/share/applications/mirelo.desktop' \
             '-rw-r--r-- root/root ./usr/share/icons/hicolor/64x64/apps/mirelo.png' \
             '-rw-r--r-- root/root ./usr/share/doc/mirelo/copyright' \
             '-rw-r--r-- root/root ./usr/share/doc/mirelo/changelog.gz'; do
  grep -qxF -- "$entry" "$work/contents.txt" || fail "the package lacks $entry"
done
[ "$(dpkg-deb -f "$a/$deb" Package)" = mirelo ] || fail "Package is not mirelo"
[ "$(dpkg-deb -f "$a/$deb" Version)" = "$version" ] || fail "Version is not $version"
[ "$(dpkg-deb -f "$a/$deb" Architecture)" = amd64 ] || fail "Architecture is not amd64"
depends=$(dpkg-deb -f "$a/$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 fonts-ipafont-gothic; do
  [[ $depends == *"$p"* ]] || fail "Depends lacks $p: $depends"
done
dpkg-deb -x "$a/$deb" "$work/installed"
[ "$("$work/installed/usr/bin/mirelo" --version)" = "Mirelo $version" ] ||
  fail "the package's mirelo --version does not say Mirelo $version"
echo "release check: $deb installs /usr/bin/mirelo, which says Mirelo $version"

# The archive, unpacked where an office might put it.
folder="$work/ミレロ 配布"
python3 - "$a/$zip" "$folder" <<'PY'
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = archive.namelist()
want = ["Mirelo/mirelo.exe", "Mirelo/はじめにお読みください.txt",
        "Mirelo/licenses/mingw-w64.txt", "Mirelo/licenses/gcc-runtime.txt",
        "Mirelo/licenses/GPL-3.txt"]
if names != want:
    sys.exit(f"the archive holds {names}, not {want}")
guide = archive.read("Mirelo/はじめにお読みください.txt")
text = guide.decode("cp932")  # raises where the guide is not code page 932
if b"\n" in guide.replace(b"\r\n", b""):
    sys.exit("the guide has a line break without CR")
for word in ("mirelo.exe", "control.ini", "%LOCALAPPDATA%", "Gaikyo", "Page Up", "--print"):
    if word not in text:
        sys.exit(f"the guide does not mention {word}")
archive.extractall(sys.argv[2])
PY
exe="$folder/Mirelo/mirelo.exe"
# The version resource that Explorer's properties show.
x86_64-w64-mingw32-windres -i "$exe" -O rc >"$work/resources.rc"
grep -q 'RT_GROUP_ICON' "$work/resources.rc" || fail "mirelo.exe has no icon"
for value in '"ProductName", "Mirelo"' "\"ProductVersion\", \"$version\"" "\"FileVersion\", \"$version\""; do
  grep -qF "VALUE $value" "$work/resources.rc" || fail "mirelo.exe's version resource lacks $value"
done
win=${MIRELO_WINDOWS_BUILD_DIR:-$root/build-windows}
export MIRELO_WINEPREFIX=${MIRELO_WINEPREFIX:-$win/wineprefix}
source "$root/tests/wine/env.sh"
wine_prefix_ready
[ "$(wine "$exe" --version </dev/null 2>/dev/null | tr -d '\r')" = "Mirelo $version" ] ||
  fail "mirelo.exe --version does not say Mirelo $version"
sample="$root/samples/worked-example.txt"
# Settings of the test's own: no user's copy left in the prefix or the home
# folder counts.
: >"$work/none.ini"
wine "$exe" --ini "$work/none.ini" --dump-layout "$sample" >"$work/windows.json" 2>"$work/windows.err" </dev/null ||
  { cat "$work/windows.err" >&2; fail "mirelo.exe --dump-layout failed"; }
"$work/installed/usr/bin/mirelo" --ini "$work/none.ini" --dump-layout "$sample" >"$work/debian.json"
cmp "$work/windows.json" "$work/debian.json" || fail "mirelo.exe lays the sample out otherwise than the package's mirelo"
echo "release check: the archive's mirelo.exe runs from \"$folder\" and lays the sample out as on Debian"
