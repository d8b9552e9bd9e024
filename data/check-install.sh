#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch root as the package would (prefix /usr),
# checks that every file of a desktop program is there, and runs the
# installed phodex-cli from another folder with a home of its own.
# Usage: check-install.sh BUILD-DIR WITH-WINDOW(ON|OFF)
set -euo pipefail
build=$1
gui=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
wanted=(
  bin/phodex-cli
  share/man/man1/phodex-cli.1
  share/bash-completion/completions/phodex-cli
  share/doc/phodex/copyright
)
if [ "$gui" = ON ]; then
  wanted+=(
    bin/phodex
    share/applications/phodex.desktop
    share/metainfo/org.phodex.Phodex.metainfo.xml
    share/icons/hicolor/scalable/apps/phodex.svg
    share/icons/hicolor/48x48/apps/phodex.png
    share/icons/hicolor/256x256/apps/phodex.png
    share/man/man1/phodex.1
  )
fi
status=0
for file in "${wanted[@]}"; do
  [ -s "$usr/$file" ] || { echo "not installed: $file" >&2; status=1; }
done

# From a folder of its own, with nothing of the build around it.
mkdir -p "$root/home" "$root/elsewhere"
cd "$root/elsewhere"
export HOME=$root/home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
"$usr/bin/phodex-cli" --version | head -1 | grep -qx "phodex-cli [0-9][0-9.]*" ||
  { echo "the installed phodex-cli --version is wrong" >&2; status=1; }
sites=$("$usr/bin/phodex-cli" sites | wc -l)
[ "$sites" -eq 21 ] || { echo "the installed phodex-cli sites printed $sites lines" >&2; status=1; }
[ -s "$HOME/.config/phodex/soft.dat" ] ||
  { echo "the installed phodex-cli kept no settings in ~/.config/phodex" >&2; status=1; }
if [ "$gui" = ON ]; then
  "$usr/bin/phodex" --version | head -1 | grep -qx "phodex [0-9][0-9.]*" ||
    { echo "the installed phodex --version is wrong" >&2; status=1; }
fi
exit $status
