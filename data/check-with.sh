#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a checking tool on its arguments; exit 77 (a skipped test) when the
# tool is not installed.
command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed" >&2; exit 77; }
exec "$@"
