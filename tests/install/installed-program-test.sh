#!/usr/bin/env bash
# installed-program-test.sh DEB -- the package as a new user meets it. Installs DEB on this
# machine with apt (as root), then, as a throw-away user with an empty home:
#   - the window starts on a display of its own and closes by File > Exit; the language switched
#     in the first start is the language of the second (the settings of a new user are kept);
#   - zorvex-cli writes, reads and verifies a simulated chip, with the shipped chip database
#     and the simulator found from the installed paths;
#   - Qt's own translations are found (the window says on stderr when they are not), and the
#     window's class is the one its desktop entry names;
# the window run as root writes nothing under /usr either, and apt-get purge leaves nothing.
# Run by scripts/test as root; it refuses to touch a zorvex that was installed before it.
set -uo pipefail
deb=$(realpath "$1")
[ "$(id -u)" -eq 0 ] || { echo "installed-program-test.sh installs a package: run it as root"; exit 2; }
if dpkg-query -W -f='${Status}' zorvex 2>/dev/null | grep -q installed; then
  echo "zorvex is installed on this machine already; remove it first (this test installs and purges its own)"
  exit 2
fi

work=$(mktemp -d /tmp/zorvex-installed.XXXXXX)
chmod 755 "$work"
# A uid no account has, so nothing of a real user's is in reach.
uid=61000
while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do uid=$((uid + 1)); done
home=$work/home
mkdir -m 700 "$home" "$work/runtime" && chown "$uid:$uid" "$home" "$work/runtime"
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  if dpkg-query -W zorvex >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zorvex >/dev/null 2>&1
  fi
  rm -rf "$work"
}
trap cleanup EXIT

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
# COMMAND as the new user, in its home, with only what a login would set.
as_user() {
  setpriv --reuid="$uid" --regid="$uid" --clear-groups \
    env -i -C "$home" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 XDG_RUNTIME_DIR="$work/runtime" \
    ${DISPLAY:+DISPLAY=$DISPLAY} "$@"
}

# The install, as a person does it: apt takes the file and what it depends on.
cp "$deb" "$work/" && chmod 644 "$work/${deb##*/}"
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$work/${deb##*/}" >"$work/apt.log" 2>&1; then
  cat "$work/apt.log"; echo "apt-get install failed"; exit 1
fi
dpkg -L zorvex >"$work/files"
touch "$work/installed"

# zorvex-cli from the installed paths: the shipped database, the simulator, a chip's image.
printf '[device]\nchip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\nchip_content = blank\nchip_image = %s\n' \
  "$home/chip.img" >"$work/sim.conf"
head -c 65536 /dev/urandom >"$work/firmware.bin"
chmod 644 "$work/sim.conf" "$work/firmware.bin"
cli() { as_user zorvex-cli --simulate="$work/sim.conf" "$@"; }
# grep reads to the end: under pipefail a writer cut off by grep -q would fail the check.
lists_shipped_database() { as_user zorvex-cli list W25X05 | grep W25X05 && [ "$(as_user zorvex-cli list | wc -l)" -gt 400 ]; }
writes_reads_verifies() {
  cli write --chip W25X05 "$work/firmware.bin" && cli read --chip W25X05 back.bin && cmp "$home/back.bin" "$work/firmware.bin" &&
    cli verify --chip W25X05 "$work/firmware.bin" && cli read --chip W25X05 - 2>/dev/null | cmp - "$work/firmware.bin"
}
check "zorvex-cli lists the shipped database" lists_shipped_database
detects_chip() { cli detect | grep W25X05; }
check "zorvex-cli finds the simulator and the chip in it" detects_chip
check "zorvex-cli writes, reads and verifies the chip" writes_reads_verifies

# The window, on a display of its own, run and closed as a person does: the menus by mouse and
# keys. With no window manager the window sits at the top left, its menu bar first.
mkfifo "$work/display"
Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
# -displayfd says the display's number once the server listens.
read -r display <"$work/display"
[ -n "$display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$display
open_menu() {  # the File menu of window $1
  xdotool windowfocus --sync "$1" mousemove --window "$1" 12 8 click 1
}
# window_session COMMAND... -- starts the window with COMMAND before it (the only window on the
# display), waits for it, switches to English when switch_to_english is set, notes its title and
# class, closes it by File > Exit and returns its exit status.
switch_to_english=
window_session() {
  "$@" zorvex --simulate="$work/sim.conf" 2>"$work/window.err" &
  local pid=$! wid
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name Zorvex | head -1)
  [ -n "$wid" ] || { echo "the window did not appear"; cat "$work/window.err"; return 1; }
  if [ -n "$switch_to_english" ]; then
    # The language menu is the last but one: left of File, round past Help. English is its
    # third entry, the added languages follow it: eleven steps up from the top, round the end.
    open_menu "$wid" && xdotool key Left Left Up Up Up Up Up Up Up Up Up Up Up Return
    timeout 60 xdotool search --sync --onlyvisible --name '^Zorvex USB High Speed Programmer$' >/dev/null
  fi
  xdotool getwindowname "$wid" >"$work/title"
  xprop -id "$wid" WM_CLASS >"$work/class"
  open_menu "$wid" && xdotool key Up Return
  if ! timeout 60 tail --pid="$pid" -f /dev/null; then
    # A message box at the close (a settings file that cannot be written) keeps it open.
    echo "the window did not close; the windows shown:"
    xdotool search --onlyvisible --name . getwindowname %@
    cat "$work/window.err"
    # The program itself, not the commands that started it: no window may outlive its session.
    kill "$(xdotool getwindowpid "$wid")"
  fi
  wait "$pid"
}
settings_kept_for_user() {
  [ "$(stat -c '%a %u' "$home/.config/zorvex")" = "700 $uid" ] && grep -q 'LANGU=2' "$home/.config/zorvex/zorvex.ini"
}
title_is_english() { grep -qx 'Zorvex USB High Speed Programmer' "$work/title"; }
switch_to_english=1
check "the window starts and closes (first start, switched to English)" window_session as_user env LANG=zh_CN.UTF-8
switch_to_english=
no_translation_missing() { ! grep -i translation "$work/window.err"; }
check "Qt's own translations are found" no_translation_missing
check "the new user's settings are saved, in a folder of its own (0700)" settings_kept_for_user
check "the second start keeps the language of the first" window_session as_user env LANG=zh_CN.UTF-8
check "the second start is in English" title_is_english
# Docks tell the window's application by its class: the desktop entry must name the same.
class_matches_desktop_entry() {
  local class
  class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.zorvex.Zorvex.desktop)
  [ -n "$class" ] && grep -q "\"$class\"\$" "$work/class"
}
check "the window's class is the desktop entry's StartupWMClass" class_matches_desktop_entry
# Root may write anywhere: the installed window still keeps its settings in the home.
mkdir -m 700 "$work/roothome"
check "the window runs as root" window_session env HOME="$work/roothome"
check "root's settings are in root's home" test -s "$work/roothome/.config/zorvex/zorvex.ini"
nothing_written_under_usr() {
  ! find /usr -xdev -newer "$work/installed" \( -path '*zorvex*' -o -iname '*.ini' -o -iname '*.dat' \) -print | grep .
}
check "nothing was written under /usr" nothing_written_under_usr

# The purge takes every file of the package, and its own folders.
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zorvex >"$work/apt.log" 2>&1
package_gone() { ! dpkg-query -W zorvex; }
check "apt-get purge removes the package" package_gone
nothing_left() {  # none of the package's files, nor its own folders
  local path
  while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ] || { [ -d "$path" ] && [[ $path == *zorvex* ]]; }; then echo "left: $path"; fi
  done <"$work/files" | { ! grep .; }
}
check "apt-get purge leaves nothing behind" nothing_left

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
