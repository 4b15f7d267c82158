#!/bin/sh
# Runs scenario files with the C library's locale set to LOCALE (say fr_FR.UTF-8), as on a
# desktop where that locale is generated: the locale is made with localedef in a temporary
# LOCPATH, so the test needs no locale installed on the machine. Captions must come out as
# under LC_ALL=C: the files set their separator with their own `locale` lines.
# Usage: under-locale.sh LOCALE RUNNER FILE...
set -eu
locale=$1
runner=$2
shift 2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
localedef -i "${locale%%.*}" -f "${locale#*.}" "$dir/$locale" >/dev/null 2>&1 ||
    { echo "localedef could not make $locale (Debian package 'locales')"; exit 2; }
point=$(LOCPATH=$dir LC_ALL=$locale locale decimal_point)
[ "$point" = "," ] || { echo "$locale is not in force (decimal point '$point')"; exit 2; }
LOCPATH=$dir LC_ALL=$locale LANG=$locale QT_QPA_PLATFORM=offscreen exec "$runner" "$@"
