#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the demo QQ Zone site, downloads its albums with phodex-cli through
# connect-to rules, says where they are, and stops the site.
# Usage: run-demo.sh BUILD-DIR [SAVE-DIR]   (SAVE-DIR defaults to ./demo-albums)
set -euo pipefail

build=${1:?usage: run-demo.sh BUILD-DIR [SAVE-DIR]}
save=${2:-demo-albums}
site=$build/tools/demo-site/phodex-demo-site
cli=$build/src/cli/phodex-cli
for program in "$site" "$cli"; do
  [ -x "$program" ] || { echo "missing $program: build first" >&2; exit 1; }
done

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

"$site" "$work/options" &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/options" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "the demo site did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/options" ] || { echo "the demo site did not start" >&2; exit 1; }
mapfile -t options <"$work/options"

# The demo viewer is logged in: its cookies arrive as a browser exports them.
# The settings and the cookie jar of this run stay in the scratch folder.
printf '%s\n' \
  $'.qq.com\tTRUE\t/\tFALSE\t0\tuin\to0012345' \
  $'.qq.com\tTRUE\t/\tFALSE\t0\tskey\t@demoSkey' \
  $'.qzone.qq.com\tTRUE\t/\tFALSE\t0\tp_skey\tdemoPSkey' >"$work/cookies.txt"

mkdir -p "$save"
"$cli" "${options[@]}" --work-dir "$work" --cookies "$work/cookies.txt" \
  download 12345 --save "$save"
echo "The demo albums are in $(cd "$save" && pwd)/12345/"
