#!/usr/bin/env bash
# install-test.sh prefix  BUILD CMAKE VERSION  -- cmake --install into a temporary prefix
# install-test.sh package BUILD CPACK VERSION  -- the Debian package, unpacked into a temporary folder
# Checks the installed files and runs the installed programs from there: they must find the
# shipped chip database and the simulator without help, and keep the user's files in the
# user's folders; the manual pages and the bash completion must match the installed programs.
set -uo pipefail
mode=$1 build=$2 tool=$3 version=$4
here=$(cd "$(dirname "$0")" && pwd)
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
  for package in libusb-0.1-4 fonts-wqy-microhei libqt6core6 libqt6widgets6 libqt6gui6 qt6-qpa-plugins qt6-translations-l10n; do
    check "package depends on $package" grep -q "\b$package\b" <<<"$depends"
  done
  check "package version is the program's" test "$(dpkg-deb -f "$deb" Version)" = "$version"
  dpkg-deb -e "$deb" "$work/control"
  check "package reloads the udev rules" grep -q 'udevadm control --reload-rules' "$work/control/postinst"
  dpkg-deb -x "$deb" "$work/unpacked"
  root=$work/unpacked/usr
  ;;
*) echo "unknown mode $mode"; exit 2 ;;
esac

id=org.zorvex.Zorvex
for file in bin/zorvex bin/zorvex-cli share/zorvex/zorvex.Dat lib/zorvex/libzorvex-sim.so lib/zorvex/sim-query \
    lib/udev/rules.d/70-zorvex.rules share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png share/man/man1/zorvex.1.gz share/man/man1/zorvex-cli.1.gz \
    share/bash-completion/completions/zorvex-cli share/doc/zorvex/copyright share/doc/zorvex/changelog.gz \
    share/doc/zorvex/README.md share/doc/zorvex/examples/70-zorvex-group.rules; do
  check "installed $file" test -s "$root/$file"
done
check "programs are executable" test -x "$root/bin/zorvex" -a -x "$root/bin/zorvex-cli"
check "bin holds the two user commands and nothing else" test "$(ls "$root/bin" | tr '\n' ' ')" = "zorvex zorvex-cli "
check "both programs print the version" \
  bash -c "test \"\$('$root/bin/zorvex' --version)\" = 'zorvex $version' && test \"\$('$root/bin/zorvex-cli' --version | head -1)\" = 'zorvex-cli $version'"
check "a bad option of the window is refused without a display" \
  bash -c "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '$root/bin/zorvex' --bad-option 2>'$work/err'; test \$? -eq 2 && grep -q 'bad-option' '$work/err'"
check "the changelog's latest entry is this version" \
  bash -c "zcat '$root/share/doc/zorvex/changelog.gz' | head -1 | grep -q '^zorvex ($version) '"
check "copyright is machine-readable GPL-3+" \
  bash -c "head -1 '$root/share/doc/zorvex/copyright' | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' && grep -qx 'License: GPL-3+' '$root/share/doc/zorvex/copyright'"
check "metainfo names the licence" grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/share/metainfo/$id.metainfo.xml"
check "udev rule grants the seat's user the programmer" \
  grep -Eq 'ATTR\{idVendor\}=="1fc8".*ATTR\{idProduct\}=="310b".*TAG\+="uaccess"' "$root/lib/udev/rules.d/70-zorvex.rules"
check "desktop entry starts the window with its icon, a file and the window's class" \
  bash -c "grep -qx 'Exec=zorvex %f' '$root/share/applications/$id.desktop' && grep -qx 'Icon=$id' '$root/share/applications/$id.desktop' && grep -qx 'StartupWMClass=zorvex' '$root/share/applications/$id.desktop'"
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
# The manual pages: no complaint from man, and every command and option the installed programs
# name in their help has its entry.
for page in zorvex zorvex-cli; do
  check "man page $page is of this version" bash -c "zcat '$root/share/man/man1/$page.1.gz' | grep -q '^\.TH .* \"Zorvex $version\"'"
  check "man page $page renders without warnings" \
    bash -c "out=\$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l '$root/share/man/man1/$page.1.gz' 2>&1 >/dev/null); echo \"\$out\"; test -z \"\$out\""
done
options_in() {  # the options a help text names: --db, --simulate ...
  grep -oP -- '--[a-z][a-z0-9-]*[a-z0-9](?![-.\w])|--[a-z][a-z0-9-]*(?=\[=)' | sort -u
}
man_source() { zcat "$root/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'; }
man_source zorvex-cli >"$work/zorvex-cli.man"
# Entries: the first line after each .TP.
awk 'previous == ".TP" { print } { previous = $0 }' "$work/zorvex-cli.man" >"$work/zorvex-cli.entries"
commands=$("$root/bin/zorvex-cli" --help | sed -nE 's/^  ([a-z][a-z0-9-]*) .*/\1/p')
check "zorvex-cli lists its commands" test "$(wc -w <<<"$commands")" -ge 9
for command in $commands; do
  check "zorvex-cli.1 describes the command $command" grep -qE "^\.BR? \"?$command( |\"|\$)" "$work/zorvex-cli.entries"
  for option in $("$root/bin/zorvex-cli" "$command" --help | options_in); do
    check "zorvex-cli.1 describes $option of $command" grep -qE -- "(^|[^a-z-])$option([^a-z0-9-]|\$)" "$work/zorvex-cli.entries"
  done
done
man_source zorvex >"$work/zorvex.man"
for option in $("$root/bin/zorvex" --help | options_in); do
  check "zorvex.1 describes $option" grep -qE -- "(^|[^a-z-])$option([^a-z0-9-]|\$)" "$work/zorvex.man"
done

# The bash completion, run against the installed program.
if [ -r /usr/share/bash-completion/bash_completion ] || [ -n "${CI:-}" ]; then
  mkdir -p "$work/files" && touch "$work/files/firmware.bin" "$work/files/fw.hex"
  complete() {  # the words offered at the end of the line
    (cd "$work/files" && PATH="$root/bin:$PATH" bash "$here/complete.sh" "$root/share/bash-completion/completions/zorvex-cli" "$1" | sort | tr '\n' ' ')
  }
  expect_completion() {  # expect_completion LINE WORDS
    local got; got=$(complete "$1")
    if [ "$got" = "$2" ]; then passed=$((passed + 1)); else
      failed=$((failed + 1)); echo "FAIL: completing '$1'"; echo "    expected '$2'"; echo "    got      '$got'"; fi
  }
  check "completion offers every command" test "$(complete 'zorvex-cli ')" = "$(sort <<<"$commands" | tr '\n' ' ')"
  expect_completion 'zorvex-cli --simulate de' 'detect '
  expect_completion 'zorvex-cli --db x.Dat li' 'list '
  expect_completion 'zorvex-cli auto --no-' '--no-erase --no-verify --no-write '
  expect_completion 'zorvex-cli list --' '--db --help --lang '
  expect_completion 'zorvex-cli --l' '--lang '
  # The same whatever language the person's locale speaks.
  LC_ALL=zh_CN.UTF-8 expect_completion 'zorvex-cli --l' '--lang '
  expect_completion 'zorvex-cli read --speed 1' '1.5MHz 12MHz '
  expect_completion 'zorvex-cli --lang zh' 'zh-CN zh-TW '
  expect_completion 'zorvex-cli convert a.bin b.hex --to s' 'srec '
  expect_completion 'zorvex-cli produce --serial-format le' 'le16 le32 le64 '
  expect_completion 'zorvex-cli erase --chip w25q64jv' 'W25Q64JV W25Q64JV-IM '
  expect_completion 'zorvex-cli erase --chip 93lc46c' '93LC46C\(16bit\) 93LC46C\(8bit\) '
  expect_completion 'zorvex-cli erase --maker winb' 'Winbond '
  expect_completion 'zorvex-cli write --chip W25X05 f' 'firmware.bin fw.hex '
  expect_completion 'zorvex-cli --simulate --db x.Dat write --detect --yes fi' 'firmware.bin '
  # Chip names come from the database the line names.
  head -c 136 "$root/share/zorvex/zorvex.Dat" >"$work/two.Dat"
  head -c 68 /dev/zero >>"$work/two.Dat"
  expect_completion "zorvex-cli --db $work/two.Dat erase --chip " \
    "$("$root/bin/zorvex-cli" --db "$work/two.Dat" list | awk '{ print $3 }' | sort | tr '\n' ' ')"
else
  echo "SKIP: bash completion (bash-completion is not installed)"
fi

# A database the user saved takes the place of the shipped one.
mkdir -p "$HOME/.local/share/zorvex"
head -c 68 "$root/share/zorvex/zorvex.Dat" >"$HOME/.local/share/zorvex/zorvex.Dat"
head -c 68 /dev/zero >>"$HOME/.local/share/zorvex/zorvex.Dat"
check "the user's saved database is read first" bash -c "test \$('$root/bin/zorvex-cli' list | wc -l) -eq 1"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
