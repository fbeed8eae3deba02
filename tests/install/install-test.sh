#!/usr/bin/env bash
# install-test.sh prefix  BUILD CMAKE  -- cmake --install into a temporary prefix
# install-test.sh package BUILD CPACK  -- the Debian package, unpacked into a temporary folder
# Checks the installed files and runs the installed programs from there: they must find the
# shipped chip database and the simulator without help, and keep the user's files in the
# user's folders.
set -uo pipefail
mode=$1 build=$2 tool=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what"; sed 's/^/    /' "$work/out"
  fi
}

case $mode in
prefix)
  root=$work/prefix
  "$tool" --install "$build" --prefix "$root" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
  ;;
package)
  (cd "$work" && "$tool" --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
  deb=$(ls "$work"/deb/*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  for package in libusb-0.1-4 fonts-wqy-microhei libqt6core6 libqt6widgets6 libqt6gui6 qt6-qpa-plugins; do
    check "package depends on $package" grep -q "\b$package\b" <<<"$depends"
  done
  dpkg-deb -e "$deb" "$work/control"
  check "package reloads the udev rules" grep -q 'udevadm control --reload-rules' "$work/control/postinst"
  dpkg-deb -x "$deb" "$work/unpacked"
  root=$work/unpacked/usr
  ;;
*) echo "unknown mode $mode"; exit 2 ;;
esac

id=org.zorvex.Zorvex
for file in bin/zorvex bin/zorvex-cli share/zorvex/zorvex.Dat lib/zorvex/libzorvex-sim.so \
    lib/udev/rules.d/70-zorvex.rules share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png; do
  check "installed $file" test -s "$root/$file"
done
check "programs are executable" test -x "$root/bin/zorvex" -a -x "$root/bin/zorvex-cli"
check "udev rule grants the seat's user the programmer" \
  grep -Eq 'ATTR\{idVendor\}=="1fc8".*ATTR\{idProduct\}=="310b".*TAG\+="uaccess"' "$root/lib/udev/rules.d/70-zorvex.rules"
check "desktop entry starts the window with its icon" \
  bash -c "grep -qx 'Exec=zorvex' '$root/share/applications/$id.desktop' && grep -qx 'Icon=$id' '$root/share/applications/$id.desktop'"
if command -v appstreamcli >/dev/null; then
  check "metainfo is valid AppStream" appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"
fi

# The installed programs, with a home of their own and run from elsewhere.
export HOME=$work/home XDG_CONFIG_HOME= XDG_DATA_HOME=
mkdir -p "$HOME"
cd "$work"
check "installed zorvex-cli lists the shipped database" \
  bash -c "'$root/bin/zorvex-cli' list W25X05 | grep -q 'Winbond *W25X05 *0xEF3010 *65536 256'"
check "it lists every chip" bash -c "test \$('$root/bin/zorvex-cli' list | wc -l) -gt 400"
# The window has no way to quit by itself: still running after a few seconds is what it should do.
check "installed window starts" \
  bash -c "QT_QPA_PLATFORM=offscreen timeout 4 '$root/bin/zorvex' --simulate >/dev/null 2>&1; test \$? -eq 124"
printf '[device]\nchip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\nchip_content = blank\n' >"$work/sim.conf"
check "installed zorvex-cli finds the installed simulator" \
  bash -c "'$root/bin/zorvex-cli' detect --simulate='$work/sim.conf' | grep -q 'W25X05'"
check "erase and blank check run through it" \
  bash -c "'$root/bin/zorvex-cli' erase --simulate='$work/sim.conf' --chip W25X05 && '$root/bin/zorvex-cli' blank --simulate='$work/sim.conf' --chip W25X05"
# A database the user saved takes the place of the shipped one.
mkdir -p "$HOME/.local/share/zorvex"
head -c 68 "$root/share/zorvex/zorvex.Dat" >"$HOME/.local/share/zorvex/zorvex.Dat"
head -c 68 /dev/zero >>"$HOME/.local/share/zorvex/zorvex.Dat"
check "the user's saved database is read first" bash -c "test \$('$root/bin/zorvex-cli' list | wc -l) -eq 1"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
