#!/bin/sh
# SPDX-License-Identifier: MIT
# Formats each man page for a UTF-8 terminal, as man does, and fails on any
# warning of groff's (an unknown macro, a bad escape, a line that overflows).
set -eu
command -v groff >/dev/null 2>&1 || { echo "groff is not installed" >&2; exit 77; }
status=0
for page in "$@"; do
  warnings=$(groff -K utf8 -Tutf8 -man -rLL=80n -ww -z "$page" 2>&1)
  if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings" >&2
    status=1
  fi
done
exit $status
