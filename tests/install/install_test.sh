#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes it read-only and runs a design and a report there as
# an unprivileged user; then builds the Debian package, unpacks it and runs the batch command from it.
set -euo pipefail
build=$1
expected_version=$2
report_probe=$3  # writes a report through the temporary report file of a program directory
with_window=${4:-1}  # 1: the window program was built and must be installed

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/ripades-batch lib/ripades/ripades-batch lib/ripades/fly.dll share/applications/ripades.desktop \
         share/icons/hicolor/scalable/apps/ripades.svg share/icons/hicolor/256x256/apps/ripades.png \
         share/mime/packages/ripades.xml share/ripades/examples/single_aircraft.inp; do
  [[ -e $prefix/$f ]] || { echo "not installed: $f"; exit 1; }
done
# The programs live with their library in lib/ripades; bin/ holds relative links to them.
for program in ripades ripades-batch; do
  if [[ $program == ripades && $with_window != 1 ]]; then
    [[ ! -e $prefix/lib/ripades/ripades && ! -e $prefix/bin/ripades ]] || { echo "window program without the window"; exit 1; }
    continue
  fi
  [[ -x $prefix/lib/ripades/$program ]] || { echo "not installed: lib/ripades/$program"; exit 1; }
  [[ $(readlink "$prefix/bin/$program") == ../lib/ripades/$program ]] || { echo "bin/$program is no link"; exit 1; }
done
[[ ! -e $prefix/bin/fly.dll ]] || { echo "fly.dll installed into bin"; exit 1; }
grep -q '^Categories=.*Engineering' "$prefix/share/applications/ripades.desktop"
grep -q '^Exec=ripades %f$' "$prefix/share/applications/ripades.desktop"
mime=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$prefix/share/applications/ripades.desktop")
grep -q "<mime-type type=\"$mime\">" "$prefix/share/mime/packages/ripades.xml" || { echo "no MIME type $mime"; exit 1; }
grep -q '<glob pattern="\*.inp"/>' "$prefix/share/mime/packages/ripades.xml"
chmod -R a-w "$prefix"

# Root writes through any permission: run as nobody so that the prefix really is read-only.
as_user=()
if [[ $(id -u) == 0 ]]; then as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi

for program in ripades ripades-batch; do
  [[ $program == ripades && $with_window != 1 ]] && continue
  # No display: the window program answers --version without opening one.
  version=$("${as_user[@]}" env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version)
  [[ $version == *"$expected_version"* ]] || { echo "$program version: $version"; exit 1; }
done

cd "$work"
report=$("${as_user[@]}" "$prefix/bin/ripades-batch" --report - "$prefix/share/ripades/examples/single_aircraft.inp")
grep -q "Design Thickness :" <<<"$report" || { echo "no report from the installed prefix"; exit 1; }
line=$("${as_user[@]}" "$prefix/bin/ripades-batch" "$prefix/share/ripades/examples/english_mixed_fleet.inp")
[[ $line == *" in" ]] || { echo "no design from the installed prefix: $line"; exit 1; }
# The window's report goes through "tmp.tmp" beside the program; a read-only prefix falls back to the
# system's temporary folder and leaves nothing behind.
probe=$work/report_file_probe
cp "$report_probe" "$probe"
report=$("${as_user[@]}" "$probe" "$prefix/lib/ripades" "$prefix/share/ripades/examples/metric_regional.inp")
grep -q "Design Thickness :.* cm" <<<"$report" || { echo "no report through the temporary file"; exit 1; }
[[ ! -e $prefix/lib/ripades/tmp.tmp ]] || { echo "tmp.tmp left in the installed prefix"; exit 1; }

# The Debian package holds the same programs and runs once unpacked.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(ls "$work"/package/ripades_*.deb)
dpkg-deb -f "$deb" Depends | grep -q "libqt6core6" || { echo "package does not depend on Qt 6"; exit 1; }
description=$(dpkg-deb -f "$deb" Description)
[[ $description != *";"* ]] || { echo "stray ; in the description: $description"; exit 1; }
dpkg -x "$deb" "$work/unpacked"
[[ -L $work/unpacked/usr/bin/ripades-batch ]] || { echo "package: bin/ripades-batch is no link"; exit 1; }
if [[ $with_window == 1 ]]; then
  [[ -x $work/unpacked/usr/lib/ripades/ripades && -L $work/unpacked/usr/bin/ripades ]] ||
    { echo "package: no window program"; exit 1; }
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/unpacked/usr/bin/ripades" --version)
  [[ $version == *"$expected_version"* ]] || { echo "packaged ripades version: $version"; exit 1; }
fi
"$work/unpacked/usr/bin/ripades-batch" "$work/unpacked/usr/share/ripades/examples/single_aircraft.inp" | grep -q " in$"
echo "install test passed"
