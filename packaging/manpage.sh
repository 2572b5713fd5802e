#!/bin/sh
# manpage.sh HELP_TEXT VERSION OUTPUT.gz: the manual page, compressed as Debian installs it.
set -eu
here=$(dirname "$0")
awk -v version="$2" -f "$here/help2man.awk" "$1" | gzip -9n >"$3.tmp"
mv "$3.tmp" "$3"
